#include "ControlBuilder.h"

#include "DataGrid.h"
#include "FlexGrid.h"
#include "FrameBox.h"
#include "MonthCalendar.h"
#include "Picture.h"
#include "TabControl.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <limits>
#include <stdexcept>

namespace forms {

namespace {

// Frames without a border are QFrames, which have no title of their own: the caption is kept here.
constexpr const char* kCaptionProperty = "designCaption";


void applyChange(Control& base, const ControlChange& change) {
    const Control& c = change.control;
    if (change.set & ControlChange::Caption) base.caption = c.caption;
    if (change.set & ControlChange::Geometry) {
        base.left = c.left;
        base.top = c.top;
        base.width = c.width;
        base.height = c.height;
    }
    if (change.set & ControlChange::Visible) base.visible = c.visible;
    if (change.set & ControlChange::Enabled) base.enabled = c.enabled;
    if (change.set & ControlChange::Container) base.container = c.container;
    if (change.set & ControlChange::Colours) {
        base.backColor = c.backColor;
        base.foreColor = c.foreColor;
    }
    if (change.set & ControlChange::Font) {
        base.fontName = c.fontName;
        base.fontSize = c.fontSize;
        base.bold = c.bold;
        base.underline = c.underline;
        base.italic = c.italic;
    }
}

// The length limit holds for what the user types. A text set from code is kept whole: a stored value
// may be longer than the box lets one type, and cutting it would lose data on the next save.
constexpr char kSettingFromCode[] = "pravelSettingFromCode";
constexpr char kKeptLength[] = "pravelKeptLength";

template <typename Edit, typename Get, typename Set>
void limitTypedLength(Edit* edit, int maxLength, Get get, Set set) {
    edit->setProperty(kKeptLength, 0);
    QObject::connect(edit, &Edit::textChanged, edit, [edit, maxLength, get, set] {
        const QString text = get(edit);
        const int allowed = std::max(maxLength, edit->property(kKeptLength).toInt());
        const bool fromCode = edit->property(kSettingFromCode).toBool();
        if (!fromCode && text.size() > allowed) {
            set(edit, text.left(allowed));
            return;
        }
        edit->setProperty(kKeptLength, fromCode ? int(text.size()) : std::min<int>(text.size(), allowed));
    });
}

void limitLength(QPlainTextEdit* edit, int maxLength) {
    limitTypedLength(
        edit, maxLength, [](QPlainTextEdit* e) { return e->toPlainText(); },
        [](QPlainTextEdit* e, const QString& text) {
            const int cursorAt = std::min<int>(e->textCursor().position(), text.size());
            e->setPlainText(text);
            QTextCursor cursor = e->textCursor();
            cursor.setPosition(cursorAt);
            e->setTextCursor(cursor);
        });
}

void limitLength(QLineEdit* edit, int maxLength) {
    limitTypedLength(
        edit, maxLength, [](QLineEdit* e) { return e->text(); },
        [](QLineEdit* e, const QString& text) {
            const int cursorAt = std::min<int>(e->cursorPosition(), text.size());
            e->setText(text);
            e->setCursorPosition(cursorAt);
        });
}

// Disabled boxes still show data (an id, a date filled by a picker, a computed age): their text is
// drawn in the darker grey of disabled text, not faded to near-invisible.
void keepDisabledTextReadable(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    box->setPalette(palette);
}

QWidget* createTextBox(const Control& c, QWidget* parent) {
    const QString text = QString::fromUtf8(c.caption);
    if (c.multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        // Tab moves on, as in every other box, instead of typing a tab character.
        edit->setTabChangesFocus(true);
        keepDisabledTextReadable(edit);
        if (c.maxLength > 0) limitLength(edit, c.maxLength);
        edit->setPlainText(text);
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    // Qt's own default limit would cut a long stored text set from code; the design's limit is below.
    edit->setMaxLength(std::numeric_limits<int>::max());
    keepDisabledTextReadable(edit);
    if (c.maxLength > 0) limitLength(edit, c.maxLength);
    if (c.password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));   // '*'
    }
    edit->setText(text);
    return edit;
}

QWidget* createFrame(const Control& c, QWidget* parent) {
    if (c.border) return new FrameBox(QString::fromUtf8(c.caption), parent);
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setProperty(kCaptionProperty, QString::fromUtf8(c.caption));
    return frame;
}

QWidget* createTabs(const Control& c, QWidget* parent) {
    auto* tabs = new TabControl(parent);
    for (const QString& caption : QString::fromUtf8(c.caption).split(QLatin1Char('|'))) {
        tabs->addTab(new QWidget(), caption);
    }
    return tabs;
}

// A graphical button is a raised face in its own colour, pressed in when clicked; the desktop style
// would only tint its own gradient.
void paintFace(QPushButton* button, Colour back) {
    const QString colour = toQColor(back).name();
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid; padding: 1px;"
                       " border-color: white #404040 #404040 white; }"
                       "QPushButton:pressed { border-color: #404040 white white #404040; }"
                       "QPushButton:focus { border-width: 2px; }")
            .arg(colour));
}

QWidget* createButton(const Control& c, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(c.caption), parent);
    if (c.graphical && c.backColor != kNoColour) paintFace(button, c.backColor);
    // Enter on a focused button presses that button, as on a dialog.
    button->setAutoDefault(true);
    button->setDefault(c.isDefault);
    return button;
}

QWidget* createLabel(const Control& c, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(c.caption), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Options are exclusive within their own container, not with those of the containers it holds.
QWidget* createOption(const Control& c, QWidget* parent) {
    auto* option = new QRadioButton(QString::fromUtf8(c.caption), parent);
    auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!group) group = new QButtonGroup(parent);
    group->addButton(option);
    return option;
}

QWidget* createWidget(const Control& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    switch (c.kind) {
    case Kind::Label: return createLabel(c, parent);
    case Kind::TextBox: return createTextBox(c, parent);
    case Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is kept as typed: no list item completes it ("Thai" stays "Thai").
        combo->setCompleter(nullptr);
        combo->setEditText(caption);
        return combo;
    }
    case Kind::Button: return createButton(c, parent);
    case Kind::Frame: return createFrame(c, parent);
    case Kind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(c.width < c.height ? QFrame::VLine : QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    case Kind::Image: return new Picture(parent);
    case Kind::DataGrid: return new DataGrid(parent);
    case Kind::MonthCalendar: return new MonthCalendar(parent);
    case Kind::TabControl: return createTabs(c, parent);
    case Kind::OptionButton: return createOption(c, parent);
    case Kind::CheckBox: return new QCheckBox(caption, parent);
    case Kind::FlexGrid: return new FlexGrid(parent);
    }
    throw std::logic_error("Unknown control kind");
}

// The designs name the fonts of the platform they were drawn on; their captions are measured for
// Arial's widths, which Liberation Sans has. Without this, "MS Sans Serif" falls to a wider font and
// captions no longer fit their labels.
void substituteDesignFonts() {
    static const bool done = [] {
        for (const char* family : {"MS Sans Serif", "Microsoft Sans Serif", "Arial"}) {
            QFont::insertSubstitutions(QString::fromLatin1(family), {QStringLiteral("Liberation Sans")});
        }
        return true;
    }();
    (void)done;
}

void applyFont(QWidget* widget, const Control& c) {
    if (!c.fontName && c.fontSize <= 0 && !c.bold && !c.underline && !c.italic) return;
    substituteDesignFonts();
    QFont font = widget->font();
    if (c.fontName) font.setFamily(QString::fromUtf8(c.fontName));
    if (c.fontSize > 0) font.setPointSizeF(c.fontSize);
    font.setBold(c.bold);
    font.setUnderline(c.underline);
    font.setItalic(c.italic);
    widget->setFont(font);
}

}  // namespace

std::vector<Control> mergedDesign(std::span<const Control> design, std::span<const ControlChange> changes) {
    std::vector<Control> merged(design.begin(), design.end());
    for (const ControlChange& change : changes) {
        auto base = std::find_if(merged.begin(), merged.end(),
                                 [&](const Control& c) { return c.name == change.control.name; });
        if (base == merged.end()) {
            merged.push_back(change.control);
        } else {
            applyChange(*base, change);
        }
    }
    return merged;
}

QWidget* tabPage(QWidget* tabControl, int page, QPoint* pageOffset) {
    auto* tabs = qobject_cast<QTabWidget*>(tabControl);
    if (!tabs || page < 0 || page >= tabs->count()) {
        throw std::logic_error(QStringLiteral("%1 has no tab page %2").arg(tabControl->objectName()).arg(page).toStdString());
    }
    *pageOffset = QPoint(0, tabs->tabBar()->sizeHint().height());
    return tabs->widget(page);
}

// A colour belongs to the role the widget paints with: boxes, combos and grids their input area
// (so a window's colour never reaches them), buttons their face, everything else the background.
void applyColours(QWidget* widget, Colour back, Colour fore) {
    const bool input = qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
                       qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractItemView*>(widget);
    const bool button = qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QRadioButton*>(widget) &&
                        !qobject_cast<QCheckBox*>(widget);
    const QPalette::ColorRole backRole = input ? QPalette::Base : button ? QPalette::Button : QPalette::Window;
    const QPalette::ColorRole foreRole = input ? QPalette::Text : button ? QPalette::ButtonText : QPalette::WindowText;
    QPalette palette = widget->palette();
    if (back != kNoColour) {
        palette.setColor(backRole, toQColor(back));
        if (backRole == QPalette::Window) {
            // Option buttons and check boxes would otherwise fill with the button role's colour.
            widget->setBackgroundRole(QPalette::Window);
            widget->setAutoFillBackground(true);
        }
    }
    if (fore != kNoColour) palette.setColor(foreRole, toQColor(fore));
    widget->setPalette(palette);
}

// The caption as drawn: "&&" is an ampersand, a single "&" marks the access key and is not drawn.
QString drawnCaption(const QString& caption) {
    QString drawn = caption;
    drawn.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    return drawn.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

bool captionFits(const QLabel* label, const QFont& font) {
    const QFontMetrics metrics(font);
    const QString caption = drawnCaption(label->text());
    // Most captions are one line that fits; only the others are wrapped to see.
    if (metrics.height() <= label->height() && metrics.horizontalAdvance(caption) <= label->width()) return true;
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 100000),
                                              int(label->alignment()) | Qt::TextWordWrap, caption);
    return needed.width() <= label->width() && needed.height() <= label->height();
}

// How far a label may grow to its right without reaching a control beside it.
int freeWidth(const QLabel* label) {
    int right = label->parentWidget() ? label->parentWidget()->width() : label->x() + label->width();
    for (const QObject* child : label->parentWidget() ? label->parentWidget()->children() : QObjectList()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == label || sibling->isWindow()) continue;
        const QRect other = sibling->geometry();
        const bool beside = other.top() < label->geometry().bottom() && other.bottom() > label->geometry().top();
        if (beside && other.left() >= label->geometry().right()) right = std::min(right, other.left());
    }
    return std::max(label->width(), right - label->x());
}

// The designs were measured in a font of slightly other widths: a caption a little too wide for
// its label takes the free room beside it, or else is drawn up to a point smaller, rather than cut.
void fitCaption(QLabel* label) {
    if (qobject_cast<Picture*>(label)) return;
    constexpr char kDesignPoints[] = "pravelDesignPoints";
    constexpr char kDesignWidth[] = "pravelDesignWidth";
    const bool refitted = label->property(kDesignPoints).isValid();
    if (!refitted && captionFits(label, label->font())) return;   // as designed
    if (!refitted) {
        label->setProperty(kDesignPoints, label->font().pointSizeF());
        label->setProperty(kDesignWidth, label->width());
    }
    const qreal designed = label->property(kDesignPoints).toReal();
    QFont font = label->font();
    font.setPointSizeF(designed);
    label->resize(label->property(kDesignWidth).toInt(), label->height());
    if (!captionFits(label, font)) {
        const int designWidth = label->width();
        label->resize(freeWidth(label), label->height());
        if (!captionFits(label, font)) label->resize(designWidth, label->height());
    }
    while (!captionFits(label, font) && font.pointSizeF() > designed - 1.0) font.setPointSizeF(font.pointSizeF() - 0.25);
    if (!captionFits(label, font)) font.setPointSizeF(designed);
    if (font != label->font()) label->setFont(font);
}

QWidget* createControl(const Control& c, QWidget* container) {
    QWidget* widget = createWidget(c, container);
    widget->setObjectName(c.name.toString());
    widget->setGeometry(twipsRect(c.left, c.top, c.width, c.height));
    widget->setEnabled(c.enabled);
    // Only graphical buttons are drawn in their back colour.
    const bool plainButton = c.kind == Kind::Button && !c.graphical;
    applyColours(widget, plainButton ? kNoColour : c.backColor, c.foreColor);
    applyFont(widget, c);
    widget->setVisible(c.visible);
    return widget;
}

QString controlText(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) return edit->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
    if (auto* frame = qobject_cast<const FrameBox*>(widget)) return frame->caption();
    return widget->property(kCaptionProperty).toString();
}

void setControlText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        fitCaption(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setProperty(kSettingFromCode, true);
        edit->setText(text);
        edit->setProperty(kSettingFromCode, false);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->setProperty(kSettingFromCode, true);
        edit->setPlainText(text);
        edit->setProperty(kSettingFromCode, false);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setEditText(text);
    } else if (auto* frame = qobject_cast<FrameBox*>(widget)) {
        frame->setCaption(text);
    } else if (widget->property(kCaptionProperty).isValid()) {
        widget->setProperty(kCaptionProperty, text);
    } else {
        throw std::logic_error(QStringLiteral("%1 has no text").arg(widget->objectName()).toStdString());
    }
}

bool takesFocus(const QWidget* widget) {
    return widget->focusPolicy() & Qt::TabFocus;
}

}  // namespace forms
