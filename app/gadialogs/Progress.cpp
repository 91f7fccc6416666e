#include "gadialogs/Progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vexa::app {

Progress::Progress(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(QStringLiteral("Progress Form"));
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setMinimumWidth(340);
}

void Progress::start()
{
    m_label->setText(QStringLiteral("Generating General arrangement"));
    m_bar->setMinimum(0);
    m_bar->setMaximum(10);
    m_bar->setValue(0);
    show();
    raise();
    repaint();
}

void Progress::advance()
{
    m_bar->setValue(qMin(m_bar->value() + 1, m_bar->maximum()));
    m_bar->repaint();
}

int Progress::value() const
{
    return m_bar->value();
}

} // namespace vexa::app
