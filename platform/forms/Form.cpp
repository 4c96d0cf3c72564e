#include "Form.h"

#include "ControlBuilder.h"
#include "DataGrid.h"
#include "FlexGrid.h"
#include "MonthCalendar.h"
#include "Picture.h"
#include "platform/error/PlatformError.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace forms {

namespace {

struct Handlers {
    std::function<void()> click, dblClick, change, validate;
    std::function<void(int)> headClick;
    std::function<void(const MouseDown&)> mouseDown;
};

struct Loaded {
    std::type_index type;
    QPointer<Form> form;
};

std::vector<Loaded>& registry() {
    static std::vector<Loaded> loaded;
    return loaded;
}

QPointer<QMdiArea>& theMdiArea() {
    static QPointer<QMdiArea> area;
    return area;
}

// How many handlers are running now: a window must not be deleted under its own handler.
int runningHandlers = 0;

struct HandlerScope {
    HandlerScope() { ++runningHandlers; }
    ~HandlerScope() { --runningHandlers; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

QString key(ControlName name) { return name.toString().toLower(); }

void forget(const Form* form) {
    auto& loaded = registry();
    loaded.erase(std::remove_if(loaded.begin(), loaded.end(),
                                [form](const Loaded& l) { return l.form == form || l.form.isNull(); }),
                 loaded.end());
}

bool hasAccessKey(const QString& caption) {
    return QString(caption).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

}  // namespace

struct Form::Impl {
    WindowDesign window;
    QHash<QString, QWidget*> controls;   // by lower-case name
    QHash<const QObject*, QString> names;
    QHash<QString, Handlers> handlers;
    std::function<void()> formClick;
    QSet<const QObject*> edited;          // boxes changed since they were last left
    QPointer<QMdiSubWindow> subWindow;
    QPointer<QAbstractButton> defaultButton;
    QPointer<QAbstractButton> cancelButton;
    std::optional<QPoint> position;       // pixels, of the outer window
    QSize clientSize;                     // pixels, as designed
    QSize outerSize{-1, -1};              // pixels, as set in code; -1: not set
    bool unloading = false;

    Handlers& handlersOf(const Form& form, ControlName name);

    QWidget* outer(Form* self) const { return subWindow ? static_cast<QWidget*>(subWindow.data()) : self; }

    // Moves the outer window; a coordinate not given stays.
    void place(Form* self, std::optional<int> x, std::optional<int> y) {
        QPoint at = position.value_or(outer(self)->pos());
        if (x) at.setX(*x);
        if (y) at.setY(*y);
        position = at;
        outer(self)->move(at);
    }

    // A size set in code is the whole window's, title bar and borders included, as on the platform
    // the designs come from; the design gives the client area. The frame is known once the window
    // lies in the main window's area, so the client is fitted again then.
    void resizeOuter(Form* self, std::optional<int> width, std::optional<int> height) {
        if (width) outerSize.setWidth(*width);
        if (height) outerSize.setHeight(*height);
        fit(self);
    }

    void fit(Form* self) const {
        const QMargins frame = subWindow ? subWindow->contentsMargins() : QMargins();
        QSize client = clientSize;
        if (outerSize.width() >= 0) client.setWidth(outerSize.width() - frame.left() - frame.right());
        if (outerSize.height() >= 0) client.setHeight(outerSize.height() - frame.top() - frame.bottom());
        self->resize(client);
        if (subWindow) subWindow->resize(client.grownBy(frame));
    }

    template <typename Handler, typename... Args>
    void fire(const QObject* sender, Handler Handlers::*member, Args... args) {
        const auto name = names.find(sender);
        if (name == names.end()) return;
        const auto found = handlers.find(*name);
        if (found == handlers.end()) return;
        // A copy: the handler may replace itself while it runs.
        const Handler handler = found.value().*member;
        if (handler) guarded([&] { handler(args...); });
    }
};

Form::Form(const WindowDesign& window, std::span<const Control> design, std::span<const ControlChange> changes)
    : d_(std::make_unique<Impl>()) {
    d_->window = window;
    d_->clientSize = twipsRect(0, 0, window.clientWidth, window.clientHeight).size();
    setWindowTitle(QString::fromUtf8(window.caption));
    // The designs are laid out for an 8.25-point sans serif of Arial's widths.
    QFont designFont = font();
    designFont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), designFont.family()});
    designFont.setPointSizeF(kDesignFontPoints);
    setFont(designFont);
    resize(d_->clientSize);
    applyColours(this, window.backColor, kNoColour);

    std::vector<Control> rows = mergedDesign(design, changes);
    // Containers are created before what they hold, whatever the order of the rows.
    std::vector<QWidget*> widgets(rows.size(), nullptr);
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (widgets[i]) continue;
            const Container& container = rows[i].container;
            QWidget* parent = this;
            QPoint offset;
            if (!container.isWindow()) {
                QWidget* frame = d_->controls.value(key(container.control));
                if (!frame) continue;
                parent = container.page >= 0 ? tabPage(frame, container.page, &offset) : frame;
            }
            QWidget* widget = createControl(rows[i], parent);
            widget->move(widget->pos() - offset);
            widgets[i] = widget;
            const ControlName name = rows[i].name;
            if (d_->controls.contains(key(name))) {
                throw std::logic_error(QStringLiteral("%1 is designed twice").arg(name.toString()).toStdString());
            }
            d_->controls.insert(key(name), widget);
            d_->names.insert(widget, key(name));
            progress = true;
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!widgets[i]) {
            throw std::logic_error(QStringLiteral("%1 lies in %2, which the design does not hold")
                                       .arg(rows[i].name.toString(), rows[i].container.control.toString())
                                       .toStdString());
        }
    }

    // With every control in place, each label can see the room beside it.
    for (QWidget* widget : widgets) {
        if (auto* label = qobject_cast<QLabel*>(widget)) fitCaption(label);
    }

    // Tab order: by tab index where the design gives one, else by the order of the rows.
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int ka = rows[a].tabIndex >= 0 ? rows[a].tabIndex : int(a);
        const int kb = rows[b].tabIndex >= 0 ? rows[b].tabIndex : int(b);
        return ka < kb;
    });
    QWidget* previous = nullptr;
    for (std::size_t n = 0; n < order.size(); ++n) {
        QWidget* widget = widgets[order[n]];
        if (auto* label = qobject_cast<QLabel*>(widget); label && hasAccessKey(label->text())) {
            // The access key of a label moves to the next control that takes focus.
            for (std::size_t m = n + 1; m < order.size(); ++m) {
                if (takesFocus(widgets[order[m]])) {
                    label->setBuddy(widgets[order[m]]);
                    break;
                }
            }
        }
        if (!takesFocus(widget)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }

    // Events of every control reach the handlers registered by name.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QWidget* widget = widgets[i];
        auto fire = [this, widget](std::function<void()> Handlers::*member) {
            return [this, widget, member] { d_->fire(widget, member); };
        };
        auto changed = [this, widget] {
            d_->edited.insert(widget);
            d_->fire(widget, &Handlers::change);
        };
        if (auto* picture = qobject_cast<Picture*>(widget)) {
            connect(picture, &Picture::clicked, this, fire(&Handlers::click));
            connect(picture, &Picture::doubleClicked, this, fire(&Handlers::dblClick));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, fire(&Handlers::click));
            if (rows[i].isDefault) d_->defaultButton = button;
            if (rows[i].isCancel) d_->cancelButton = button;
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, changed);
            edit->installEventFilter(this);
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            connect(edit, &QPlainTextEdit::textChanged, this, changed);
            edit->installEventFilter(this);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::editTextChanged, this, changed);
            combo->installEventFilter(this);
        } else if (auto* grid = qobject_cast<DataGrid*>(widget)) {
            connect(grid, &DataGrid::click, this, fire(&Handlers::click));
            connect(grid, &DataGrid::dblClick, this, fire(&Handlers::dblClick));
            connect(grid, &DataGrid::headClick, this,
                    [this, grid](int column) { d_->fire(grid, &Handlers::headClick, column); });
        } else if (auto* flex = qobject_cast<FlexGrid*>(widget)) {
            connect(flex, &FlexGrid::dblClick, this, fire(&Handlers::dblClick));
            connect(flex, &FlexGrid::mouseDown, this,
                    [this, flex](const MouseDown& press) { d_->fire(flex, &Handlers::mouseDown, press); });
        } else if (auto* calendar = qobject_cast<MonthCalendar*>(widget)) {
            // A picked date is the calendar's click.
            connect(calendar, &MonthCalendar::datePicked, this, fire(&Handlers::click));
        } else {
            widget->installEventFilter(this);   // labels and frames
        }
    }
}

Form::~Form() { forget(this); }

QWidget* Form::control(ControlName name) const {
    QWidget* widget = d_->controls.value(key(name));
    if (!widget) throw std::logic_error(QStringLiteral("No control %1 in this window").arg(name.toString()).toStdString());
    return widget;
}


namespace {
template <typename T> T* controlOfKind(const Form& form, ControlName name, const char* kind) {
    T* widget = form.as<T>(name);
    if (!widget) {
        throw std::logic_error(QStringLiteral("%1 is not a %2").arg(name.toString(), QLatin1String(kind)).toStdString());
    }
    return widget;
}
}  // namespace

QLabel* Form::label(ControlName name) const { return controlOfKind<QLabel>(*this, name, "label"); }
QPushButton* Form::button(ControlName name) const { return controlOfKind<QPushButton>(*this, name, "button"); }
QComboBox* Form::combo(ControlName name) const { return controlOfKind<QComboBox>(*this, name, "combo box"); }
QTabWidget* Form::tabs(ControlName name) const { return controlOfKind<QTabWidget>(*this, name, "tab control"); }
DataGrid* Form::grid(ControlName name) const { return controlOfKind<DataGrid>(*this, name, "data grid"); }
FlexGrid* Form::flexGrid(ControlName name) const { return controlOfKind<FlexGrid>(*this, name, "flex grid"); }
MonthCalendar* Form::calendar(ControlName name) const {
    return controlOfKind<MonthCalendar>(*this, name, "month calendar");
}
Picture* Form::picture(ControlName name) const { return controlOfKind<Picture>(*this, name, "picture"); }

QString Form::text(ControlName name) const { return controlText(control(name)); }
void Form::setText(ControlName name, const QString& text) { setControlText(control(name), text); }

void Form::setShown(ControlName name, bool visible) { control(name)->setVisible(visible); }
bool Form::isShown(ControlName name) const { return !control(name)->isHidden(); }

void Form::setControlEnabled(ControlName name, bool enabled) { control(name)->setEnabled(enabled); }
bool Form::isControlEnabled(ControlName name) const {
    // The control's own setting; a disabled container does not change it.
    return !control(name)->testAttribute(Qt::WA_ForceDisabled);
}

void Form::setValue(ControlName name, bool value) {
    auto* option = controlOfKind<QRadioButton>(*this, name, "option button");
    if (value) {
        option->setChecked(true);
        press(name);
        return;
    }
    // The chosen option of an exclusive group cannot be cleared while the group is exclusive.
    QButtonGroup* group = option->group();
    const bool exclusive = group && group->exclusive();
    if (group) group->setExclusive(false);
    option->setChecked(false);
    if (group) group->setExclusive(exclusive);
}

bool Form::value(ControlName name) const {
    return controlOfKind<QRadioButton>(*this, name, "option button")->isChecked();
}

// The handlers of a control the design holds.
Handlers& Form::Impl::handlersOf(const Form& form, ControlName name) {
    form.control(name);
    return handlers[key(name)];
}

void Form::onClick(ControlName name, std::function<void()> handler) {
    d_->handlersOf(*this, name).click = std::move(handler);
}
void Form::onDblClick(ControlName name, std::function<void()> handler) {
    d_->handlersOf(*this, name).dblClick = std::move(handler);
}
void Form::onChange(ControlName name, std::function<void()> handler) {
    d_->handlersOf(*this, name).change = std::move(handler);
}
void Form::onValidate(ControlName name, std::function<void()> handler) {
    d_->handlersOf(*this, name).validate = std::move(handler);
}
void Form::onHeadClick(ControlName name, std::function<void(int)> handler) {
    d_->handlersOf(*this, name).headClick = std::move(handler);
}

void Form::onMouseDown(ControlName name, std::function<void(const MouseDown&)> handler) {
    d_->handlersOf(*this, name).mouseDown = std::move(handler);
}
void Form::onFormClick(std::function<void()> handler) { d_->formClick = std::move(handler); }

void Form::press(ControlName name) {
    control(name);
    const std::function<void()> handler = d_->handlers.value(key(name)).click;
    if (!handler) return;
    HandlerScope scope;
    handler();
}

void Form::setTwipsTop(int top) { d_->place(this, {}, px(top)); }
void Form::setTwipsLeft(int left) { d_->place(this, px(left), {}); }
void Form::setTwipsWidth(int width) { d_->resizeOuter(this, px(width), {}); }
void Form::setTwipsHeight(int height) { d_->resizeOuter(this, {}, px(height)); }

void Form::showWindow() {
    QMdiArea* area = mdiArea();
    if (d_->window.mdiChild && area) {
        if (!d_->subWindow) {
            d_->subWindow = area->addSubWindow(this);
            d_->subWindow->installEventFilter(this);
            d_->fit(this);
            // A window that places itself goes there; the others cascade from the top left, each a
            // title bar lower than the one before, inside the area.
            const int cascade = int(area->subWindowList().size() - 1) * d_->subWindow->contentsMargins().top();
            d_->subWindow->move(d_->position.value_or(QPoint(cascade, cascade)));
        }
        QWidget::show();
        d_->subWindow->show();
        area->setActiveSubWindow(d_->subWindow);
        // A menu that opened the window gives the focus back to the window it came from as it closes;
        // the new window takes it again once that is done.
        QTimer::singleShot(0, d_->subWindow, [this, area = QPointer<QMdiArea>(area), sub = d_->subWindow] {
            if (!area || !sub) return;
            area->setActiveSubWindow(sub);
            focusFirstControl();
        });
        return;
    }
    QWidget::show();
    raise();
    activateWindow();
}

void Form::hideWindow() { d_->outer(this)->hide(); }

// Unless the user is already in the window, the keys go to its first control in tab order.
void Form::focusFirstControl() {
    if (isAncestorOf(QApplication::focusWidget())) return;
    for (QWidget* next = nextInFocusChain(); next && next != this; next = next->nextInFocusChain()) {
        if (isAncestorOf(next) && takesFocus(next) && next->isEnabled() && next->isVisibleTo(this)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::runLoad() {
    try {
        load();
    } catch (...) {
        // A window whose load failed is not kept half-loaded: the next touch loads it afresh.
        discard();
        throw;
    }
}

// Leaves the registry at once; a handler of this very window may be running, so the window is
// deleted once control returns to the event loop.
void Form::discard() {
    forget(this);
    QWidget* outer = d_->outer(this);
    outer->hide();
    outer->deleteLater();
}

void Form::runUnload() {
    if (d_->unloading) return;
    d_->unloading = true;
    // The window goes whether or not its unload step fails.
    try {
        unload();
    } catch (...) {
        discard();
        throw;
    }
    discard();
}

bool Form::trapped(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        msgBox(describeCurrentException(), Buttons::OK, Icon::Critical, QStringLiteral("Error message. "));
        return false;
    }
}

void Form::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && d_->defaultButton && !d_->defaultButton->isHidden() && d_->defaultButton->isEnabled()) {
        d_->defaultButton->click();
        return;
    }
    // The cancel button answers Esc even while it is hidden.
    if (event->key() == Qt::Key_Escape && d_->cancelButton && d_->cancelButton->isEnabled()) {
        d_->cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    if (d_->unloading) {
        event->accept();
        return;
    }
    event->ignore();
    guarded([this] { runUnload(); });
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()) && d_->formClick) {
        const std::function<void()> handler = d_->formClick;
        guarded(handler);
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    // The type first: while the sub-window is being destroyed it is no QMdiSubWindow any more.
    if (event->type() == QEvent::Close && watched == d_->subWindow) {
        closeEvent(static_cast<QCloseEvent*>(event));
        return !event->isAccepted();
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) d_->fire(watched, &Handlers::click);
        break;
    case QEvent::MouseButtonDblClick: d_->fire(watched, &Handlers::dblClick); break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && d_->edited.remove(watched)) {
            d_->fire(watched, &Handlers::validate);
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void guarded(const std::function<void()>& handler) {
    HandlerScope scope;
    try {
        handler();
    } catch (...) {
        msgBox(describeCurrentException(), Buttons::OK, Icon::Critical);
    }
}

QString describeCurrentException() {
    try {
        throw;
    } catch (const platform::PlatformError& error) {
        return error.description();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("Unexpected error");
    }
}

namespace detail {

Form* findInstance(std::type_index type) {
    for (const Loaded& loaded : registry()) {
        if (loaded.type == type && loaded.form) return loaded.form;
    }
    return nullptr;
}

void storeInstance(std::type_index type, Form* form) {
    forget(nullptr);
    registry().push_back({type, form});
}

void dropInstance(std::type_index type) {
    auto& loaded = registry();
    loaded.erase(std::remove_if(loaded.begin(), loaded.end(), [type](const Loaded& l) { return l.type == type; }),
                 loaded.end());
}

}  // namespace detail

void unloadAllChildren() {
    // Each unload changes the registry: work on a copy.
    const std::vector<Loaded> loaded = registry();
    for (const Loaded& entry : loaded) {
        if (entry.form && entry.form->d_->window.mdiChild) guarded([&] { entry.form->runUnload(); });
    }
}

void destroyAll() {
    const std::vector<Loaded> loaded = std::exchange(registry(), {});
    const bool insideHandler = runningHandlers > 0;
    for (const Loaded& entry : loaded) {
        if (!entry.form) continue;
        entry.form->d_->unloading = true;
        QWidget* outer = entry.form->d_->outer(entry.form);
        outer->hide();
        if (insideHandler) {
            outer->deleteLater();
        } else {
            delete outer;
        }
    }
    // Windows that unloaded themselves earlier are still waiting for deletion.
    if (!insideHandler) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setMdiArea(QMdiArea* area) { theMdiArea() = area; }
QMdiArea* mdiArea() { return theMdiArea(); }

}  // namespace forms
