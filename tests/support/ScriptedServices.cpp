#include "tests/support/ScriptedServices.h"

namespace tests {

forms::Answer ScriptedMessageBoxes::show(const QString& prompt, forms::Buttons buttons, forms::Icon icon,
                                         const QString& title, forms::DefaultButton defaultButton) {
    shown.push_back({prompt, buttons, icon, title, defaultButton});
    if (answers.empty()) return forms::defaultAnswer(buttons, defaultButton);
    const forms::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedFileDialogs::openFile(const QString& filter, const QString&) {
    filters << filter;
    if (choices.empty()) return {};
    QString choice = choices.front();
    choices.pop_front();
    return choice;
}

bool ScriptedDesktopOpener::open(const QString& nativePath) {
    if (noProgram) return false;
    opened << nativePath;
    return true;
}

namespace {

// Installs a new scripted service through install and returns it.
template <typename Scripted, typename Service>
Scripted& installScripted(void (*install)(std::unique_ptr<Service>)) {
    auto service = std::make_unique<Scripted>();
    auto& ref = *service;
    install(std::move(service));
    return ref;
}

}  // namespace

ScriptedServices::ScriptedServices()
    : boxes(installScripted<ScriptedMessageBoxes>(forms::installMessageBoxes)),
      dialogs(installScripted<ScriptedFileDialogs>(forms::installFileDialogs)),
      opener(installScripted<ScriptedDesktopOpener>(forms::installDesktopOpener)),
      reports(installScripted<ScriptedReportViewer>(report::installReportViewer)) {}

ScriptedServices::~ScriptedServices() {
    forms::installMessageBoxes(nullptr);
    forms::installFileDialogs(nullptr);
    forms::installDesktopOpener(nullptr);
    report::installReportViewer(nullptr);
}

}  // namespace tests
