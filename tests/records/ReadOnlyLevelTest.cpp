// A level-1 user may list, open, browse, print and close, and nothing else: no sequence of
// presses, clicks and double-clicks changes a record or leaves a changing control usable.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Picture.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"
#include "tests/support/TestPictures.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <functional>
#include <vector>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::CustEdit;

class ReadOnlyLevel : public EmployeeWindowTest {
protected:
    void SetUp() override {
        addEmployee("E1", "Ann", {{"remarks", "'first'"}, {"LImage", "X'0102'"}, {"FileName", "'a.bmp'"}});
        addEmployee("E2", "Ben");
        addEmployee("E3", "Cy");
        execute("INSERT INTO familytree (empid, Name) VALUES ('E1', 'Kid')");
        BaseSetup::UserLevel = 1;
        // Every question is answered Yes and every dialog with a picture, so that a step that is
        // wrongly allowed goes all the way.
        for (int i = 0; i < 200; ++i) services.boxes.answers.push_back(forms::Answer::Yes);
        writeFile(folder.file("new.bmp"), QByteArray("BM-not-really"));
        for (int i = 0; i < 50; ++i) services.dialogs.choices.push_back(folder.file("new.bmp"));
    }

    static void click(QWidget* widget) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    }

    // Every way a user, or code acting for one, can act on the window.
    std::vector<std::pair<QString, std::function<void(CustEdit&)>>> actions() {
        std::vector<std::pair<QString, std::function<void(CustEdit&)>>> all;
        for (const forms::ControlName button : {cinAd, Cinsa2, CinDe, CinEd, CinSa, CinCa, CinDel}) {
            all.emplace_back(button.toString(), [button](CustEdit& w) { w.press(button); });
        }
        all.emplace_back("photo", [](CustEdit& w) { click(w.picture(Image1)); });
        all.emplace_back("photo by code", [](CustEdit& w) { w.press(Image1); });
        all.emplace_back("double-click", [](CustEdit& w) { emit w.grid(DataGrid4)->dblClick(); });
        all.emplace_back("next row", [](CustEdit& w) {
            auto& list = w.employeeList();
            if (!list.eof()) list.moveNext();
            if (list.eof()) list.moveFirst();
        });
        all.emplace_back("tabs", [](CustEdit& w) { w.press(Label23); });
        // The family add link and its save, the spouse save, and a cell typed into.
        all.emplace_back("add family", [](CustEdit& w) {
            w.press(Label24);
            w.setText(Fname, "Intruder");
            w.press(Command1);
        });
        all.emplace_back("spouse", [](CustEdit& w) {
            w.setText(Spouse, "Changed");
            w.press(Label47);
        });
        all.emplace_back("cell", [](CustEdit& w) {
            auto* grid = w.grid(DataGrid1);
            if (grid->model()->rowCount() > 0) grid->model()->setData(grid->model()->index(0, 1), "X");
            grid->commit();
        });
        return all;
    }

    void expectNothingUsableChanges(const CustEdit& window, const QString& after) {
        for (const forms::ControlName control : {cinAd, CinEd, CinDel, CinSa, Cinsa2, Image1}) {
            EXPECT_FALSE(window.isControlEnabled(control) && window.isShown(control))
                << control << " usable after " << after.toStdString();
        }
    }
};

TEST_F(ReadOnlyLevel, NoSequenceOfActionsChangesARecord) {
    const QString before = databaseDump();
    auto& window = forms::get<CustEdit>();
    expectNothingUsableChanges(window, "load");
    const auto all = actions();

    // Each action from the list mode and from the detail mode, then a long fixed walk through them.
    QString path;
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (bool detail : {false, true}) {
            if ((window.text(CinDe) == "Browse") != detail) window.press(CinDe);
            all[i].second(window);
            expectNothingUsableChanges(window, all[i].first);
        }
    }
    unsigned seed = 12345;
    for (int step = 0; step < 300; ++step) {
        seed = seed * 1103515245u + 12345u;
        const auto& [name, act] = all[(seed >> 16) % all.size()];
        path += name + " ";
        act(window);
        expectNothingUsableChanges(window, path);
    }
    EXPECT_EQ(databaseDump(), before);
    EXPECT_TRUE(services.dialogs.filters.isEmpty()) << "a photo dialog was offered";
}

TEST_F(ReadOnlyLevel, OtherLevelsStillChangeRecords) {
    BaseSetup::UserLevel = 5;
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    window.press(CinEd);
    window.setText(Text10, "second");
    window.press(CinSa);
    EXPECT_EQ(value("SELECT remarks FROM employee WHERE empid='E1'"), "second");
}

}  // namespace
}  // namespace tests
