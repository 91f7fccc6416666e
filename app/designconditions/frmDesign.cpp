#include "designconditions/frmDesign.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa::app {

const std::vector<frmDesign::Location>& frmDesign::locations()
{
    // clang-format off
    static const std::vector<Location> table{
        {"Belfast     23\u00b0C / 53% RH",    "23", "53", "16.7", true},
        {"Birmingham 26\u00b0C / 50% RH",     "26", "50", "18.7", true},
        {"Cardiff    25\u00b0C / 50% RH",     "25", "50", "17.9", true},
        {"Edinburgh   23\u00b0C / 50% RH",    "23", "50", "16.3", true},
        {"Glasgow    24\u00b0C / 55% RH",     "24", "55", "17.9", true},
        {"London  29\u00b0C / 50% RH",        "29", "50", "21.2", true},
        {"Manchester 26\u00b0C / 45% RH",     "26", "45", "17.9", true},
        {"Plymouth 27\u00b0C / 45% RH",       "27", "45", "18.7", true},
        {"Dubai 46\u00b0C / 30% RH",          "46", "30", "30",   false},
        {"Kuwait 48\u00b0C / 30% RH",         "48", "30", "32",   false},
    };
    // clang-format on
    return table;
}

frmDesign::frmDesign(QWidget* mainWindow) : QDialog(mainWindow), m_main(mainWindow), m_tabs(new QTabWidget)
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QStringLiteral("Design Ambient Weather Conditions"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Highlight and click on a location to select a design condition "
                                           "for the location under consideration."));
    note->setWordWrap(true);
    layout->addWidget(note);

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    auto* uk = new QWidget;
    auto* international = new QWidget;
    auto* ukColumn = new QVBoxLayout(uk);
    auto* internationalColumn = new QVBoxLayout(international);
    int index = 0;
    for (const Location& location : locations()) {
        auto* label = new QLabel(QString::fromUtf8(location.caption));
        label->setObjectName(QStringLiteral("lblLocation%1").arg(index++));
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        (location.ukTab ? ukColumn : internationalColumn)->addWidget(label);
        m_labels.push_back(label);
    }
    ukColumn->addStretch(1);
    internationalColumn->addStretch(1);
    for (QWidget* page : {uk, international}) {
        page->setMouseTracking(true);
        page->installEventFilter(this);
    }
    m_tabs->addTab(uk, QStringLiteral("United Kingdom"));
    m_tabs->addTab(international, QStringLiteral("International"));
    layout->addWidget(m_tabs);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(380, 340);
}

void frmDesign::highlight(QLabel* hovered)
{
    for (QLabel* label : m_labels) {
        // Hovering a label bolds it and un-bolds the others of its tab; the tab's
        // background un-bolds every label.
        if (hovered != nullptr && label->parentWidget() != hovered->parentWidget()) {
            continue;
        }
        QFont font = label->font();
        font.setBold(label == hovered);
        label->setFont(font);
    }
}

bool frmDesign::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        highlight(label);
        // A move over a label ends there: passed on to the tab page it would un-bold it again.
        return label != nullptr;
    } else if (event->type() == QEvent::MouseButtonRelease && label != nullptr) {
        const auto at = std::find(m_labels.begin(), m_labels.end(), label);
        if (at != m_labels.end()) {
            chooseLocation(locations().at(static_cast<size_t>(at - m_labels.begin())));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmDesign::chooseLocation(const Location& location)
{
    const auto box = [this](const char* name) { return m_main->findChild<QLineEdit*>(QLatin1String(name)); };
    const auto option = [this](const char* name) {
        const auto* found = m_main->findChild<QRadioButton*>(QLatin1String(name));
        return found != nullptr && found->isChecked();
    };
    const bool belfast = QString::fromUtf8(location.caption).startsWith(QLatin1String("Belfast"));
    box("txtDB1")->setText(QLatin1String(location.dryBulb));
    if (option("OptRH")) {
        box("txtRH1")->setText(QLatin1String(location.humidity));
        if (belfast) {
            box("txtWB1")->clear();
        }
    } else if (option("optWB")) {
        box("txtWB1")->setText(QLatin1String(location.wetBulb));
        if (belfast) {
            box("txtRH1")->clear();
        }
    }
    close();
}

} // namespace vexa::app
