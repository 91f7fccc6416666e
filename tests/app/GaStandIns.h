#pragma once

#include "AppTestSupport.h"
#include "gadialogs/DimensionDialog.h"
#include "gadialogs/DimensionSources.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

// Stand-ins for the windows the dimension dialogs read, and helpers to drive them.

// The main window's and the costing window's controls that the dimension dialogs
// read, by their names, on two plain windows.
struct StandIns {
    StandIns()
    {
        main.setObjectName(QStringLiteral("frmMain"));
        costing.setObjectName(QStringLiteral("frmCosting"));
        for (const char* name : {"txtWidth", "txtHeight"}) {
            addBox(main, name);
        }
        for (const char* name : {"optHponly", "optWater", "optEvap"}) {
            addOption(main, name);
        }
        for (const char* name : {"cmbFPI", "cmbRows"}) {
            addCombo(main, name, {});
        }
        for (const char* name : {"txtthcost", "txtflcost", "txtnorowshpcost", "txtnorowscccost",
                                 "txtfpihpcost", "txtfpicccost"}) {
            addBox(costing, name);
        }
        addCombo(costing, "cmbVerHor", {QStringLiteral("Vertical"), QStringLiteral("Horizontal")});
        addCombo(costing, "lstdpcost",
                 {QStringLiteral("No Drainpan"), QStringLiteral("Flat Drainpan"),
                  QStringLiteral("Sloping Drainpan"), QStringLiteral("Perforated Base")});
        auto* eliminators = new QCheckBox(&costing);
        eliminators->setObjectName(QStringLiteral("chkElims"));
        for (const char* name : {"optHorseshoe", "optStraight"}) {
            addOption(costing, name);
        }
        // A calculated heat-pipe-only unit, 20 tubes high, 900 mm wide, in one section.
        enter(QStringLiteral("optHponly;optHorseshoe;txtWidth=900;txtHeight=800;cmbFPI=8;cmbRows=4;"
                             "txtthcost=20;txtflcost=900;txtnorowshpcost=4;txtfpihpcost=8;"
                             "txtnorowscccost=n/a;txtfpicccost=n/a"));
    }

    static void addBox(QWidget& window, const char* name)
    {
        auto* box = new QLineEdit(&window);
        box->setObjectName(QLatin1String(name));
    }
    static void addOption(QWidget& window, const char* name)
    {
        auto* option = new QRadioButton(&window);
        option->setObjectName(QLatin1String(name));
    }
    static void addCombo(QWidget& window, const char* name, const QStringList& items)
    {
        auto* combo = new QComboBox(&window);
        combo->setObjectName(QLatin1String(name));
        combo->setEditable(items.isEmpty());
        combo->addItems(items);
    }

    // "txtthcost=21;cmbVerHor=Horizontal;chkElims;optEvap": texts, list entries,
    // ticks and options by name, in either window.
    void enter(const QString& edits)
    {
        for (const QString& edit : edits.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = edit.section(QLatin1Char('='), 0, 0);
            const QString value = edit.section(QLatin1Char('='), 1);
            QWidget* window = main.findChild<QWidget*>(name) != nullptr ? &main : &costing;
            if (auto* box = window->findChild<QLineEdit*>(name);
                box != nullptr && name.startsWith(QLatin1String("txt"))) {
                box->setText(value);
            } else if (auto* combo = window->findChild<QComboBox*>(name)) {
                combo->setEditable(true);
                combo->setEditText(value);
            } else if (auto* button = window->findChild<QAbstractButton*>(name)) {
                button->setChecked(value != QLatin1String("0"));
            } else {
                qFatal("no control %s", qPrintable(name));
            }
        }
    }

    vexa::app::DimensionSources sources() { return vexa::app::DimensionSources(&main, &costing, nullptr); }

    QWidget main;
    QWidget costing;
};

template <typename T = QLineEdit>
inline T* child(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

inline QString text(const QWidget& window, const char* name)
{
    if (auto* box = window.findChild<QLineEdit*>(QLatin1String(name))) {
        return box->text();
    }
    if (auto* label = window.findChild<QLabel*>(QLatin1String(name))) {
        return label->text();
    }
    if (auto* frame = window.findChild<QGroupBox*>(QLatin1String(name))) {
        return frame->title();
    }
    qFatal("no control %s", name);
}

// Types into a field and leaves it as the user does; true when it was accepted.
inline bool typeAndLeave(vexa::app::DimensionDialog& dialog, const char* field, const QString& typed)
{
    auto* box = child(dialog, field);
    box->setText(typed);
    return dialog.checks().leave(box);
}
