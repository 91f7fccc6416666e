#include "common/BoxLook.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

namespace vexa::app {

namespace {

constexpr const char* kLookProperty = "vexaResultLook";

void paint(QWidget* widget, const QColor& base, const QColor& text)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Button, base);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::WindowText, text);
    }
    widget->setPalette(palette);
}

} // namespace

void makeInput(QLineEdit* box)
{
    box->setReadOnly(false);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setProperty(kLookProperty, false);
    paint(box, Qt::white, Qt::black);
}

void makeInput(QLineEdit* box, const QString& text)
{
    makeInput(box);
    box->setText(text);
}

void giveResultLook(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setProperty(kLookProperty, true);
    paint(box, Qt::black, Qt::white);
}

void makeResult(QLineEdit* box)
{
    giveResultLook(box);
    box->clear();
}

bool looksLikeInput(const QLineEdit* box)
{
    return !box->isReadOnly() && !box->property(kLookProperty).toBool();
}

// A combo's look is set by style sheet: the styles draw combos from their own
// palette roles, which a palette alone does not reach when the combo is disabled.
void makeInput(QComboBox* combo)
{
    combo->setEnabled(true);
    combo->setProperty(kLookProperty, false);
    combo->setStyleSheet(QString());
    paint(combo, Qt::white, Qt::black);
}

void makeResult(QComboBox* combo)
{
    combo->setEnabled(false);
    combo->setProperty(kLookProperty, true);
    paint(combo, Qt::black, Qt::white);
    combo->setStyleSheet(
        QStringLiteral("QComboBox, QComboBox QLineEdit { background: black; color: white; }"));
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

} // namespace vexa::app
