#pragma once

#include "Design.h"
#include "Services.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <span>
#include <typeindex>

class QComboBox;
class QLabel;
class QMdiArea;
class QPushButton;
class QTabWidget;

namespace forms {

class DataGrid;
class FlexGrid;
class MonthCalendar;
class Picture;
struct MouseDown;

// A window: its controls are built from its design table; the subclass holds the behaviour.
// Controls are named by the constants the window declares (ControlName); handlers are wired with
// on...(name, fn), each event of each control in one table. A handler run by the user goes through the event
// boundary: an error stops it at the failing step and is shown in a critical box; the program
// goes on. press() runs a click handler from code at once and lets its errors reach the caller.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const WindowDesign& window, std::span<const Control> design,
         std::span<const ControlChange> changes = {});
    ~Form() override;

    // Controls by name; a name the design does not hold is a programming error (std::logic_error).
    QWidget* control(ControlName name) const;
    template <typename T> T* as(ControlName name) const;
    QLabel* label(ControlName name) const;
    QPushButton* button(ControlName name) const;
    QComboBox* combo(ControlName name) const;
    QTabWidget* tabs(ControlName name) const;
    DataGrid* grid(ControlName name) const;
    FlexGrid* flexGrid(ControlName name) const;
    MonthCalendar* calendar(ControlName name) const;
    Picture* picture(ControlName name) const;

    // Caption or text of any control kind (label, button, frame, text box, combo box).
    QString text(ControlName name) const;
    void setText(ControlName name, const QString& text);
    void show(ControlName name) { setShown(name, true); }
    void hide(ControlName name) { setShown(name, false); }
    void setShown(ControlName name, bool visible);   // the design's Visible
    bool isShown(ControlName name) const;            // the Visible property, whether or not the window shows
    void enable(ControlName name) { setControlEnabled(name, true); }
    void disable(ControlName name) { setControlEnabled(name, false); }
    void setControlEnabled(ControlName name, bool enabled);
    bool isControlEnabled(ControlName name) const;

    // Option buttons. Setting the value to true chooses the option (the others of its container
    // clear) and runs its click handler at once, as press() does; false clears it without an event.
    void setValue(ControlName name, bool value);
    bool value(ControlName name) const;

    // Handlers. Click handlers of buttons and labels can also be run by press().
    void onClick(ControlName name, std::function<void()> handler);
    void onDblClick(ControlName name, std::function<void()> handler);
    void onChange(ControlName name, std::function<void()> handler);    // text boxes and combos
    void onValidate(ControlName name, std::function<void()> handler);  // the control is left
    void onHeadClick(ControlName name, std::function<void(int column)> handler);   // data grids
    void onMouseDown(ControlName name, std::function<void(const MouseDown&)> handler);   // flex grids
    void onFormClick(std::function<void()> handler);   // a click on the window's background
    void press(ControlName name);

    // Window placement in twips (as Top, Left, Width, Height of the window): the whole window, title
    // bar and borders included; the design's size is the client area.
    void setTwipsTop(int top);
    void setTwipsLeft(int left);
    void setTwipsWidth(int width);
    void setTwipsHeight(int height);

    // Modeless show as a child of the main window's area (brings an open one forward).
    void showWindow();
    void hideWindow();

    // Runs the load step (the registry calls it once, on first touch) and the unload step.
    void runLoad();
    void runUnload();

protected:
    virtual void load() {}
    virtual void unload() {}

    // Enter presses the default button, Esc the cancel button (hidden or not).
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window by its close box unloads it.
    void closeEvent(QCloseEvent* event) override;
    // A click that no control takes is the window's own.
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Clicks on labels and frames, leaving edited boxes, closing the sub-window.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // A trapped step: its error shows in a box titled "Error message. " with the critical icon;
    // the caller goes on with its next step. Returns whether the step succeeded.
    bool trapped(const std::function<void()>& step);

private:
    void discard();
    void focusFirstControl();

    struct Impl;
    std::unique_ptr<Impl> d_;
    friend void destroyAll();
    friend void unloadAllChildren();
};

// Runs a handler at the event boundary: any error is shown in a critical box and swallowed.
void guarded(const std::function<void()>& handler);
// The description of the error being handled (a platform error, std::exception or unknown).
QString describeCurrentException();

// The single shared instance of each window class.
namespace detail {
Form* findInstance(std::type_index type);
void storeInstance(std::type_index type, Form* form);
void dropInstance(std::type_index type);
}  // namespace detail

template <typename T> bool isLoaded() { return detail::findInstance(typeid(T)) != nullptr; }

// The first touch creates the window and runs its load step. A load step that fails reaches the
// toucher and leaves the window unloaded.
template <typename T> T& get() {
    if (auto* form = detail::findInstance(typeid(T))) return *static_cast<T*>(form);
    auto* form = new T();
    detail::storeInstance(typeid(T), form);
    form->runLoad();
    return *form;
}

// Runs the unload step and destroys the window; the next touch loads it afresh. No-op when not loaded.
template <typename T> void unload() {
    if (auto* form = detail::findInstance(typeid(T))) {
        form->runUnload();
    }
}

// Closing the main window: each loaded window shown in the main window's area (design mdiChild)
// runs its unload step; an error in one is shown and the others still unload.
void unloadAllChildren();
// "Quit" and test teardown: every window destroyed without an unload step. Outside any handler the
// windows (and those unloaded before) are deleted at once; inside one, once control returns.
void destroyAll();
void setMdiArea(QMdiArea* area);
QMdiArea* mdiArea();

template <typename T> T* Form::as(ControlName name) const {
    return qobject_cast<T*>(control(name));
}

}  // namespace forms
