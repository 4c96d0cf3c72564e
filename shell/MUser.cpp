#include "shell/MUser.h"

#include "common/Password.h"
#include "common/ProgramDatabase.h"
#include "common/SqlText.h"
#include "common/UserNames.h"
#include "platform/forms/ButtonPicture.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DesignRows.h"
#include "platform/forms/FlexGrid.h"

#include <QCoreApplication>
#include <QPushButton>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace shell {

using namespace userControls;

namespace {

using forms::Kind;
using forms::rows::button;
using forms::rows::label;
using forms::rows::withBackColour;

constexpr forms::Colour kBack = 0x00FFC0C0;
constexpr forms::Colour kPanel = forms::systemColour(0x13);

const forms::WindowDesign kWindow{.caption = "User", .clientWidth = 16800, .clientHeight = 9600, .backColor = kBack};

constexpr forms::Control panelLabel(forms::ControlName name, const char* caption, int left, int top, int width,
                                    bool visible = true) {
    forms::Control row = withBackColour(label(name, Frame1, caption, left, top, width, 255), kPanel);
    row.visible = visible;
    return row;
}

constexpr forms::Control option(forms::ControlName name, const char* caption, int left, int top, int width) {
    return {.name = name, .kind = Kind::OptionButton, .container = Frame1, .caption = caption, .left = left,
            .top = top, .width = width, .height = 255, .backColor = kPanel};
}

constexpr forms::Control saveButton(forms::ControlName name, int left, bool visible, forms::Colour colour) {
    return {.name = name, .kind = Kind::Button, .container = Frame1, .left = left, .top = 4440, .width = 855,
            .height = 375, .visible = visible, .graphical = true, .backColor = colour};
}

// The panel and the hidden list lie above the grid; the buttons to the right of both.
const forms::Control kWindowRows[] = {
    forms::rows::dataGrid(DataGrid1, {}, 0, 0, 13215, 8760),
    button(cmdadd, {}, "New", 13440, 720, 1215, 375),
    button(cmdchange, {}, "Edit", 13440, 1200, 1215, 375),
    button(cmddelete, {}, "Delete", 13440, 1680, 1215, 375),
    button(Cmdlst, {}, "Browse", 13440, 2160, 1215, 375),
    button(Command1, {}, "Close", 13440, 2640, 1215, 375),
    {.name = Frame1, .kind = Kind::Frame, .caption = "Add New Record", .left = 0, .top = 0, .width = 13215,
     .height = 8775, .visible = false, .backColor = kPanel},
    {.name = MSHFlexGrid1, .kind = Kind::FlexGrid, .left = 10080, .top = 7560, .width = 1095, .height = 615,
     .visible = false},
};
const auto kPasswordRows = passwordPanel::rows(Frame1, 4920, 2760, true, kPanel);
const forms::Control kLevelRows[] = {
    panelLabel(Label6, "User Level", 4920, 3840, 1095),
    panelLabel(Label10, ":", 6240, 3840, 255),
    option(Option1, "User", 6600, 3840, 975),
    option(Option2, "Data Entry", 7680, 3840, 1095),
    option(Option3, "Administrator", 6600, 4200, 1335),
    panelLabel(Lel, "1", 8160, 4200, 375, false),
    panelLabel(lel2, "User", 8520, 4200, 615, false),
    panelLabel(Label1, "0", 3960, 4440, 735, false),
    saveButton(Command3, 4920, true, 0x00FFC0C0),
    saveButton(Edsave, 5640, false, 0x00FF8080),
};
const std::vector<forms::Control> kDesign = forms::rows::joined({kWindowRows, kPasswordRows, kLevelRows});

// The three levels: the option that chooses each, and what it writes into the hidden labels.
struct Level {
    forms::ControlName option;
    std::int16_t value;
    const char* number;
    const char* description;
};
constexpr Level kLevels[] = {
    {Option1, 1, "1", "User"},
    {Option2, 5, "5", "Data Entry"},
    {Option3, 9, "9", "Admin"},
};

const QString kUsersSql = QStringLiteral("SELECT * from usertable order by username");
const QString kListSql = QStringLiteral("SELECT Username,Ulevel,Descriptions   from usertable order by username");
const QString kEditCaption = QStringLiteral("Edit");
constexpr int kListWidths[] = {500, 1000, 860, 1500, 1250, 1250, 2500};

// The hidden list's header press ignores what fails: each step is skipped on its own.
template <typename Step> void skipOnError(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

MUser::MUser() : forms::Form(kWindow, kDesign) {
    setValue(Option1, true);   // as designed, before any handler is wired
    forms::showSavePicture(button(Command3));
    forms::showSavePicture(button(Edsave));
    // Cells other than the locked ones are edited in place.
    grid(DataGrid1)->setAllowUpdate(true);

    onClick(cmdadd, [this] { cmdadd_Click(); });
    onClick(cmdchange, [this] { cmdchange_Click(); });
    onClick(cmddelete, [this] { cmddelete_Click(); });
    onClick(Cmdlst, [this] { Cmdlst_Click(); });
    onClick(Command1, [] { forms::unload<MUser>(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Edsave, [this] { Edsave_Click(); });
    onClick(DataGrid1, [this] { SelectUserRow(); });
    onDblClick(DataGrid1, [this] { ShowUserForEdit(); });
    onHeadClick(DataGrid1, [this](int column) { SortUsersByColumn(column); });
    for (const Level& level : kLevels) {
        onClick(level.option, [this, &level] {
            setText(Lel, QString::fromUtf8(level.number));
            setText(lel2, QString::fromUtf8(level.description));
        });
    }
    onFormClick([this] { Form_Click(); });
    onDblClick(MSHFlexGrid1, [this] { MSHFlexGrid1_DblClick(); });
    onMouseDown(MSHFlexGrid1, [this](const forms::MouseDown& press) { MSHFlexGrid1_MouseDown(press); });
}

void MUser::load() {
    setTwipsWidth(16800);
    setTwipsHeight(9600);
    setTwipsTop(150);
    trapped([this] { openProgramDatabase(connection_); });
    trapped([this] { user_.open(kUsersSql, &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText); });
    trapped([this] { list_.open(kListSql, &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText); });
    trapped([this] { grid(DataGrid1)->setDataSource(&user_); });
    trapped([this] {
        forms::FlexGrid& list = *flexGrid(MSHFlexGrid1);
        list.setSort(forms::FlexGrid::Sort::GenericAscending);
        list.setDataSource(&list_);
        // The widths name more columns than the list has; those beyond its own are not set.
        const int widths = std::min(list.cols(), int(std::size(kListWidths)));
        for (int col = 0; col < widths; ++col) list.setColWidthTwips(col, kListWidths[col]);
    });
    trapped([this] { setUpUserColumns(); });
}

void MUser::setUpUserColumns() {
    forms::DataGrid& users = *grid(DataGrid1);
    users.hideColumn(QStringLiteral("password"));
    users.hideColumn(QStringLiteral("userid"));
    users.lockColumn(QStringLiteral("username"));
    users.lockColumn(QStringLiteral("Ulevel"));
    users.setColumnWidthTwips(QStringLiteral("username"), 5000);
    users.setColumnWidthTwips(QStringLiteral("Ulevel"), 2000);
    users.setColumnWidthTwips(QStringLiteral("descriptions"), 5800);
    users.setColumnCaption(QStringLiteral("username"), QStringLiteral("User Name"));
    users.setColumnCaption(QStringLiteral("Ulevel"), QStringLiteral("User Level"));
    users.setColumnCaption(QStringLiteral("descriptions"), QStringLiteral("Descriptions"));
}

// ---- The grid ----

bool MUser::hasCurrentUser() const { return user_.isOpen() && !user_.bof() && !user_.eof(); }

// The current row's name into the panel with empty passwords, and its level's option chosen; a
// level none of the options stands for chooses none and leaves the hidden level as it was.
void MUser::showCurrentUser() {
    const qint64 level = user_.field(QStringLiteral("ulevel")).toInt();
    setText(Text4, user_.field(QStringLiteral("UserName")).toString());
    clearPasswords();
    for (const Level& option : kLevels) setValue(option.option, level == option.value);
}

void MUser::clearPasswords() {
    setText(Text5, QString());
    setText(Text6, QString());
}

// Adding takes a typed name; editing keeps the name it was given.
void MUser::showPanel(const QString& caption, bool nameTyped) {
    show(Frame1);
    setText(Frame1, caption);
    setControlEnabled(Text4, nameTyped);
}

// The panel's one save button: Command3 adds a user, Edsave changes one.
void MUser::showSaveButton(forms::ControlName save) {
    setShown(Command3, save == Command3);
    setShown(Edsave, save == Edsave);
}

void MUser::SelectUserRow() {
    if (!hasCurrentUser()) return;
    showCurrentUser();
    showSaveButton(Edsave);
    disable(Text4);
}

void MUser::ShowUserForEdit() {
    if (!hasCurrentUser()) return;
    showCurrentUser();
    showPanel(kEditCaption, false);
}

void MUser::SortUsersByColumn(int column) {
    grid(DataGrid1)->sortAscending(column);
    QCoreApplication::processEvents();
}

// ---- The buttons ----

void MUser::cmdadd_Click() {
    setText(Text4, QString());
    showPanel(QStringLiteral("Add New Record"), true);
    showSaveButton(Command3);
}

void MUser::cmdchange_Click() {
    if (!hasCurrentUser()) return;
    ShowUserForEdit();
    showSaveButton(Edsave);
}

void MUser::cmddelete_Click() {
    if (!hasCurrentUser()) return;
    const forms::Answer answer = forms::msgBox(QStringLiteral("Proceed with deleting current record ?"),
                                               forms::Buttons::YesNo, forms::Icon::None,
                                               QStringLiteral("Confimation on Delete"));
    if (answer == forms::Answer::Yes) {
        user_.remove();
        forms::msgBox(QStringLiteral("Record Deleted"));
    } else {
        forms::msgBox(QStringLiteral("Operation cancelled by user!"));
    }
}

// The grid reads its recordset on demand, so showing it shows the rows as they are.
void MUser::Cmdlst_Click() {
    hide(MSHFlexGrid1);
    show(DataGrid1);
    hide(Frame1);
    showSaveButton(Edsave);
}

void MUser::Form_Click() {
    hide(Frame1);
    show(DataGrid1);
}

// ---- Saving ----

void MUser::Command3_Click() {
    const QString name = text(Text4);
    if (!isUsableUserName(name)) {
        forms::msgBox(QStringLiteral("A user name cannot hold a single quote ('): nobody could sign in with it. "
                                     "The user was not added."),
                      forms::Buttons::OK, forms::Icon::Exclamation);
        hide(Frame1);
        return;
    }
    count_.open(QStringLiteral("SELECT count(*) as recc from usertable where username='") + sqlEscape(name) +
                    QStringLiteral("'"),
                &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    setText(Label1, count_.field(QStringLiteral("recc")).toString());
    const QString password = text(Text5);
    if (text(Label1).toInt() > 0) {
        forms::msgBox(QStringLiteral("Username already created"));
    } else if (!name.isEmpty() && text(Text6) == password && !password.isEmpty()) {
        storeNewUser(name);
        forms::msgBox(QStringLiteral("Record added"));
    } else {
        forms::msgBox(QStringLiteral(" No user Defined or Password Does Not Matched or Password is Blank "),
                      forms::Buttons::OK, forms::Icon::Information);
    }
    count_.close();
    hide(Frame1);
}

// The new row stays where the recordset adds it; the list is not sorted again.
void MUser::storeNewUser(const QString& name) {
    user_.assignAndUpdate([&] {
        user_.addNew();
        user_.setField(QStringLiteral("UserName"), name);
        user_.setField(QStringLiteral("Password2"), Encrypt(text(Text5)));
        user_.setField(QStringLiteral("ulevel"), text(Lel).toInt());
        user_.setField(QStringLiteral("Descriptions"), text(lel2));
    });
}

void MUser::Edsave_Click() {
    const QString scrambled = Encrypt(text(Text5));
    if (text(Text6) == text(Text5) && !text(Text5).isEmpty()) {
        if (storeLevelAndPassword(scrambled)) {
            forms::msgBox(QStringLiteral("Record Changed"));
        } else {
            forms::msgBox(QStringLiteral("There is no user %1 in the database any more, so nothing was changed.")
                              .arg(text(Text4)),
                          forms::Buttons::OK, forms::Icon::Exclamation);
        }
    } else {
        forms::msgBox(QStringLiteral(" Password Does Not Matched or Password is Blank "), forms::Buttons::OK,
                      forms::Icon::Information);
    }
    openUsers();
    hide(Frame1);
}

// Level and password change together or not at all. False when no account has the name.
bool MUser::storeLevelAndPassword(const QString& scrambled) {
    const QString where = QStringLiteral("where username='") + sqlEscape(text(Text4)) + QStringLiteral("'");
    long changed = 0;
    connection_.transaction([&] {
        changed = connection_.execute(QStringLiteral("update usertable set ulevel = '") + sqlEscape(text(Lel)) +
                                      QStringLiteral("',descriptions='") + sqlEscape(text(lel2)) +
                                      QStringLiteral("'") + where);
        connection_.execute(QStringLiteral("update usertable set password2 = '") + sqlEscape(scrambled) +
                            QStringLiteral("' ") + where);
    });
    return changed > 0;
}

// The list afresh, in name order, with its column setup; an edit still pending in the grid is
// written first rather than lost with the old rows.
void MUser::openUsers() {
    forms::DataGrid& users = *grid(DataGrid1);
    users.commit();
    user_.close();
    user_.open(kUsersSql, &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    users.setDataSource(&user_);
    setUpUserColumns();
}

// ---- The hidden list ----

void MUser::MSHFlexGrid1_DblClick() {
    setText(Text4, flexGrid(MSHFlexGrid1)->text());
    clearPasswords();
    hide(MSHFlexGrid1);
    showPanel(kEditCaption, false);
}

// A press in the header band sorts the list by the column under it: the column sorted last
// alternates between descending and ascending, any other column starts ascending.
void MUser::MSHFlexGrid1_MouseDown(const forms::MouseDown& press) {
    forms::FlexGrid& list = *flexGrid(MSHFlexGrid1);
    bool inHeaderBand = false;
    skipOnError([&] { inHeaderBand = press.y < list.rowHeightTwips(list.row()); });
    if (!inHeaderBand) return;
    skipOnError([&] {
        int right = 0;
        for (int col = 0; col < list.cols(); ++col) {
            right += list.colWidthTwips(col);
            if (right > press.x) {
                list.setCol(col);
                return;
            }
        }
    });
    skipOnError([&] { sortList(list); });
    skipOnError([&] { listSortedColumn_ = list.col(); });
    skipOnError([&] { list.setColSel(list.cols() - 1); });
    skipOnError([&] { list.setRowSel(1); });
}

void MUser::sortList(forms::FlexGrid& list) {
    const bool descending = list.col() == listSortedColumn_ && !listDescending_;
    list.setSort(descending ? forms::FlexGrid::Sort::GenericDescending : forms::FlexGrid::Sort::GenericAscending);
    listDescending_ = descending;
}

void MUser::unload() {
    // A cell still being typed in goes to its row, which the detaching writes.
    grid(DataGrid1)->commit();
    user_.detach();
    count_.detach();
    list_.detach();
    connection_.close();
}

}  // namespace shell
