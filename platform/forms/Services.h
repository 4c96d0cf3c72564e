#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

namespace forms {

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Critical, Exclamation, Question };
enum class Answer { OK, Cancel, Yes, No };
enum class DefaultButton { First, Second };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const QString& prompt, Buttons buttons, Icon icon, const QString& title,
                        DefaultButton defaultButton) = 0;
};

// The one entry point for message boxes. A box given no title shows the application's name, which
// the program sets to its title at start.
Answer msgBox(const QString& prompt, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
              const QString& title = {}, DefaultButton defaultButton = DefaultButton::First);

// The open-file dialog: returns the chosen full path, or an empty text when cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(const QString& filter, const QString& initialFileName) = 0;
};

// A filter in the Windows form "Images|*.BMP;*.GIF;*.JPG" as Qt's dialogs take it:
// "Images (*.BMP *.GIF *.JPG *.bmp *.gif *.jpg)"; several pairs become several filters.
QString qtFileFilter(const QString& windowsFilter);

// Opens a file in the desktop's default application for its type.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual bool open(const QString& nativePath) = 0;
};

// Installing replaces the Qt implementation (tests install scripted ones). Passing nullptr restores it.
void installMessageBoxes(std::unique_ptr<MessageBoxes> boxes);
void installFileDialogs(std::unique_ptr<FileDialogs> dialogs);
void installDesktopOpener(std::unique_ptr<DesktopOpener> opener);
MessageBoxes& messageBoxes();
FileDialogs& fileDialogs();
DesktopOpener& desktopOpener();

// The answer of a box's default button.
Answer defaultAnswer(Buttons buttons, DefaultButton defaultButton);

}  // namespace forms
