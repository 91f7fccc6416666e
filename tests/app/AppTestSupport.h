#pragma once

#include "common/MessageBoxes.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <memory>
#include <vector>

// Runs a Qt Test class on the offscreen platform (unless the environment names
// another) with the C locale and a settings folder of its own.
#define VEXA_QTEST_MAIN(TestClass)                                                                           \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                                                \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        }                                                                                                    \
        QTemporaryDir home;                                                                                  \
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());                        \
        qputenv("ARDELVEXA_NO_OPEN", "1");                                                                   \
        std::setlocale(LC_ALL, "C");                                                                         \
        QLocale::setDefault(QLocale::c());                                                                   \
        QApplication application(argc, argv);                                                                \
        QApplication::setQuitOnLastWindowClosed(false);                                                      \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

// Message boxes that a test reads and answers.
class RecordedBoxes : public vexa::app::MessageBoxes {
public:
    RecordedBoxes() { vexa::app::setMessageBoxes(this); }
    ~RecordedBoxes() override { vexa::app::setMessageBoxes(nullptr); }
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    vexa::app::MessageAnswer show(QWidget* /*parent*/, const vexa::app::MessageRequest& request) override
    {
        shown.push_back(request);
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        }
        return request.defaultAnswer;
    }

    QStringList titles() const
    {
        QStringList result;
        for (const auto& request : shown) {
            result << request.title;
        }
        return result;
    }

    std::vector<vexa::app::MessageRequest> shown;
    std::vector<vexa::app::MessageAnswer> answers;
};

// A main window as the start-up action leaves it, whose ending a test can see.
struct StartedMain {
    StartedMain()
    {
        window.setProgramEnd([this] { ++ended; });
        window.revealAdditionalInformation();
        window.startUpAction();
        window.activateWindow();
        QApplication::processEvents();
    }

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    void choose(const char* option) const { find<QRadioButton>(option)->setChecked(true); }
    void press(const char* button) const { find<QPushButton>(button)->click(); }

    // "txtDB1=33;cmbRows=2": sets boxes and combo texts by name.
    void enter(const QString& edits) const
    {
        for (const QString& edit : edits.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const qsizetype equals = edit.indexOf(QLatin1Char('='));
            const QString name = edit.left(equals);
            const QString value = edit.mid(equals + 1);
            if (auto* text = window.findChild<QLineEdit*>(name);
                text != nullptr && name.startsWith(QLatin1String("txt"))) {
                text->setText(value);
            } else if (auto* list = window.findChild<QComboBox*>(name)) {
                list->setEditText(value);
            } else {
                qFatal("no control %s", qPrintable(name));
            }
        }
    }

    vexa::app::frmMain window;
    int ended = 0;
};
