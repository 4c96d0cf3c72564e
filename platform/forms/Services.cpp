#include "Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace forms {

namespace {

QMessageBox::Icon toQtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The buttons of a box in the order they are shown; the default button is counted in this order.
std::vector<Answer> answersOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::OK: return {Answer::OK};
    case Buttons::OKCancel: return {Answer::OK, Answer::Cancel};
    case Buttons::YesNo: return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel: return {Answer::Yes, Answer::No, Answer::Cancel};
    }
    return {Answer::OK};
}

QMessageBox::StandardButton toQtButton(Answer answer) {
    switch (answer) {
    case Answer::OK: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

class QtMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& prompt, Buttons buttons, Icon icon, const QString& title,
                DefaultButton defaultButton) override {
        QMessageBox box(toQtIcon(icon), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
        for (Answer answer : answersOf(buttons)) box.addButton(toQtButton(answer));
        box.setDefaultButton(toQtButton(defaultAnswer(buttons, defaultButton)));
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        for (Answer answer : answersOf(buttons)) {
            if (toQtButton(answer) == clicked) return answer;
        }
        // Closed without a button (Esc on a box without Cancel): the box's last button answers.
        return answersOf(buttons).back();
    }
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(const QString& filter, const QString& initialFileName) override {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), initialFileName,
                                            qtFileFilter(filter));
    }
};

// The desktop launcher reports success as soon as it starts, also when no program handles the
// file's type; the desktop's own table of default programs tells whether one will.
bool hasDefaultProgram(const QString& nativePath) {
    const QString type = QMimeDatabase().mimeTypeForFile(nativePath).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit) return true;   // cannot tell
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

class QtDesktopOpener : public DesktopOpener {
public:
    bool open(const QString& nativePath) override {
        return hasDefaultProgram(nativePath) && QDesktopServices::openUrl(QUrl::fromLocalFile(nativePath));
    }
};

template <typename Service, typename QtService> struct Slot {
    std::unique_ptr<Service> installed;
    Service& get() {
        if (!installed) installed = std::make_unique<QtService>();
        return *installed;
    }
    void install(std::unique_ptr<Service> service) { installed = std::move(service); }
};

Slot<MessageBoxes, QtMessageBoxes>& boxesSlot() {
    static Slot<MessageBoxes, QtMessageBoxes> slot;
    return slot;
}
Slot<FileDialogs, QtFileDialogs>& dialogsSlot() {
    static Slot<FileDialogs, QtFileDialogs> slot;
    return slot;
}
Slot<DesktopOpener, QtDesktopOpener>& openerSlot() {
    static Slot<DesktopOpener, QtDesktopOpener> slot;
    return slot;
}

}  // namespace

QString qtFileFilter(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << pattern.trimmed();
        }
        // Linux file names are case-sensitive; the Windows filter is not.
        QStringList lowerCase;
        for (const QString& pattern : patterns) {
            const QString lower = pattern.toLower();
            if (!patterns.contains(lower) && !lowerCase.contains(lower)) lowerCase << lower;
        }
        filters << parts[i].trimmed() + QStringLiteral(" (") + (patterns + lowerCase).join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

Answer defaultAnswer(Buttons buttons, DefaultButton defaultButton) {
    const auto answers = answersOf(buttons);
    const std::size_t index = defaultButton == DefaultButton::Second ? 1 : 0;
    return answers[std::min(index, answers.size() - 1)];
}

Answer msgBox(const QString& prompt, Buttons buttons, Icon icon, const QString& title,
              DefaultButton defaultButton) {
    return messageBoxes().show(prompt, buttons, icon, title.isEmpty() ? QCoreApplication::applicationName() : title,
                               defaultButton);
}

void installMessageBoxes(std::unique_ptr<MessageBoxes> boxes) { boxesSlot().install(std::move(boxes)); }
void installFileDialogs(std::unique_ptr<FileDialogs> dialogs) { dialogsSlot().install(std::move(dialogs)); }
void installDesktopOpener(std::unique_ptr<DesktopOpener> opener) { openerSlot().install(std::move(opener)); }
MessageBoxes& messageBoxes() { return boxesSlot().get(); }
FileDialogs& fileDialogs() { return dialogsSlot().get(); }
DesktopOpener& desktopOpener() { return openerSlot().get(); }

}  // namespace forms
