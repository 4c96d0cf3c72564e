// Every box of the editor shows and stores its own column, and a save writes back nothing the user
// did not change.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"

#include <QDate>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::CustEdit;

struct Pair {
    forms::ControlName box;
    const char* column;
};

// The boxes that Details fills and the saves write, each with its column.
constexpr Pair kPersonal[] = {
    {Text3, "Address1"},  {Text4, "Address2"},   {Text5, "Address3"},   {Text7, "Tel"},
    {Text8, "Fax"},       {Text9, "gender"},     {Text10, "remarks"},   {Text13, "OAddress1"},
    {Text14, "OAddress2"}, {Text15, "OAddress3"}, {Text16, "handphone"}, {Text17, "e_mail"},
    {IcNew, "IcNew"},     {IcOld, "IcOld"},      {Nat, "Nationality"},  {Race, "Race"},
    {Religion, "Religion"}, {Marital, "MaritalStatus"}, {Dialect, "Dialect"}, {Passport, "PassportNo"},
};
constexpr Pair kSpouse[] = {{Spouse, "Spouse"}, {SOccupation, "SOccupation"}, {SCompany, "SCompany"},
                            {SAddress, "SAddress"}, {STel, "STel"}, {ShandPhone, "ShandPhone"},
                            {Semail, "Semail"}};
constexpr Pair kHobbies[] = {{Hobbies, "Hobbies"}, {Uniform, "Uniform"}, {Club, "Club"},
                             {Sports, "Sports"},   {Others, "Others"},   {ProfMem, "ProfMem"},
                             {Awards, "Awards"}};

QString distinct(const char* column, const char* tag) { return QStringLiteral("%1-%2").arg(tag, column); }

class FieldMapping : public EmployeeWindowTest {
protected:
    void SetUp() override { BaseSetup::UserLevel = 9; }

    QString column(const QString& empid, const char* name) const {
        return value(QStringLiteral("SELECT %1 FROM employee WHERE empid='%2'").arg(name, empid));
    }
    void type(CustEdit& window, std::span<const Pair> pairs, const char* tag) {
        for (const auto& [box, column] : pairs) window.setText(box, distinct(column, tag));
    }
    void expectStored(const QString& empid, std::span<const Pair> pairs, const char* tag) {
        for (const auto& [box, name] : pairs) EXPECT_EQ(column(empid, name), distinct(name, tag)) << box;
    }
};

TEST_F(FieldMapping, DetailsShowsEveryColumnInItsOwnBox) {
    QList<QPair<QString, QString>> columns = {{"DOB", "'1980-03-05'"}, {"Pedate", "'2030-12-31'"},
                                             {"Child", "3"}, {"Age", "44"}};
    for (const auto pairs : {std::span<const Pair>(kPersonal), std::span<const Pair>(kSpouse),
                             std::span<const Pair>(kHobbies)}) {
        for (const auto& [box, column] : pairs) columns.append({column, "'" + distinct(column, "db") + "'"});
    }
    addEmployee("E1", "Ann", columns);
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    for (const auto pairs : {std::span<const Pair>(kPersonal), std::span<const Pair>(kSpouse),
                             std::span<const Pair>(kHobbies)}) {
        for (const auto& [box, column] : pairs) EXPECT_EQ(window.text(box), distinct(column, "db")) << box;
    }
    EXPECT_EQ(window.text(Text1), "E1");
    EXPECT_EQ(window.text(Text2), "Ann");
    EXPECT_EQ(window.text(DOB), "05/03/1980");
    EXPECT_EQ(window.text(Pdate), "31/12/2030");
    EXPECT_EQ(window.text(Text11), "3");
    EXPECT_EQ(window.text(Age), "44");
}

TEST_F(FieldMapping, EverySaveStoresEachBoxInItsOwnColumn) {
    auto& window = forms::get<CustEdit>();
    window.press(cinAd);
    window.setText(Text1, "E7");
    window.setText(Text12, "Nia");
    type(window, kPersonal, "new");
    window.press(Cinsa2);
    expectStored("E7", kPersonal, "new");

    // Edit, and the spouse and hobby saves, on the stored employee.
    window.press(CinDe);
    window.press(CinDe);
    window.press(CinEd);
    type(window, kPersonal, "edit");
    window.press(CinSa);
    expectStored("E7", kPersonal, "edit");
    type(window, kSpouse, "spouse");
    type(window, kHobbies, "hobby");
    window.press(Label47);
    expectStored("E7", kSpouse, "spouse");
    for (const auto& [box, name] : kHobbies) EXPECT_EQ(column("E7", name), " ") << "hobbies wait for their own save";
    window.press(Label48);
    expectStored("E7", kHobbies, "hobby");
}

// Values another program stored, which no box shows exactly.
TEST_F(FieldMapping, AnUnchangedSaveKeepsEveryStoredValue) {
    const QString longAddress(40000, QLatin1Char('x'));
    addEmployee("E1", "Ann", {{"remarks", "'line one' || char(13, 10) || 'line two'"},
                              {"Address1", "'" + longAddress + "'"},
                              {"Address2", "'  padded  '"},
                              {"Child", "'Inf'"},
                              {"gender", "'Female '"},
                              {"Spouse", "' Sam '"},
                              {"Hobbies", "NULL"},
                              {"DOB", "'1980-03-05'"},
                              {"Age", QString::number(QDate::currentDate().year() - 1980)}});
    const QString before = databaseDump();
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    window.press(CinEd);
    window.press(CinSa);
    window.press(Label47);
    window.press(Label48);
    EXPECT_EQ(databaseDump(), before);

    // A change writes that box alone.
    window.press(CinEd);
    window.setText(Text7, "082-1");
    window.press(CinSa);
    EXPECT_EQ(column("E1", "Tel"), "082-1");
    EXPECT_EQ(column("E1", "length(Address1) || '/' || Child || '/' || instr(remarks, char(13))"), "40000/Inf/9");
}

}  // namespace
}  // namespace tests
