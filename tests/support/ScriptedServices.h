#pragma once

#include "platform/forms/Services.h"
#include "platform/report/ReportViewer.h"

#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

namespace tests {

// Records every box; answers come from a queue, the default button when it is empty.
class ScriptedMessageBoxes : public forms::MessageBoxes {
public:
    struct Shown {
        QString prompt;
        forms::Buttons buttons;
        forms::Icon icon;
        QString title;
        forms::DefaultButton defaultButton;
    };
    forms::Answer show(const QString& prompt, forms::Buttons buttons, forms::Icon icon, const QString& title,
                       forms::DefaultButton defaultButton) override;
    std::vector<Shown> shown;
    std::deque<forms::Answer> answers;
};

class ScriptedFileDialogs : public forms::FileDialogs {
public:
    QString openFile(const QString& filter, const QString& initialFileName) override;
    std::deque<QString> choices;   // an empty text is a cancelled dialog
    QStringList filters;           // the filter of every call
};

class ScriptedDesktopOpener : public forms::DesktopOpener {
public:
    bool open(const QString& nativePath) override;
    QStringList opened;
    bool noProgram = false;   // as a desktop where no program opens the file's type
};

// Keeps every report it is given, in order, and shows nothing.
class ScriptedReportViewer : public report::ReportViewer {
public:
    void show(std::shared_ptr<const report::PageModel> pages) override { shown.push_back(std::move(pages)); }
    std::vector<std::shared_ptr<const report::PageModel>> shown;
};

// Scripted message boxes, open-file dialog, desktop opener and report viewer, installed for the
// test's life.
class ScriptedServices {
public:
    ScriptedServices();
    ~ScriptedServices();
    ScriptedMessageBoxes& boxes;
    ScriptedFileDialogs& dialogs;
    ScriptedDesktopOpener& opener;
    ScriptedReportViewer& reports;
};

}  // namespace tests
