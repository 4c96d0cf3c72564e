#include "platform/db/Connection.h"
#include "platform/report/PagePainter.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/ReportControl.h"
#include "platform/report/ReportError.h"
#include "tests/platform/report/PageReading.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrintPreviewWidget>

#include <gtest/gtest.h>

namespace tests {

using report::Band;

namespace {

const char* const kItemsReport = R"({
  "title": "Items by Category",
  "pageSql": "SELECT owner, note FROM settings",
  "pageHeader": "{owner}",
  "pageFooter": "Note: {note}",
  "sql": "SELECT * FROM items ORDER BY category, id",
  "group": {"fields": ["category"], "heading": "Category {category}"},
  "columns": [
    {"caption": "Name", "field": "name", "width": 4},
    {"caption": "Sold", "field": "sold", "width": 2, "align": "center", "dateFormat": "dd/mm/yyyy"},
    {"caption": "Price", "field": "price", "width": 1.5, "align": "right"},
    {"caption": "Note", "field": "note", "width": 4}
  ]
})";

const QStringList kCaptions{"Name", "Sold", "Price", "Note"};

// A database of the test's own, and report files on drive C: run as a window runs them.
class ReportEngineTest : public ::testing::Test {
protected:
    ReportEngineTest() {
        QDir(folder.driveC()).mkpath("Reports");
        writeFile(databasePath(), {});
        connection.open(connectText());
        connection.execute("CREATE TABLE settings (owner TEXT, note TEXT);"
                           "CREATE TABLE items (id INTEGER PRIMARY KEY, category TEXT, name TEXT, sold DATETIME, "
                           "price REAL, note TEXT);"
                           "INSERT INTO settings VALUES ('Ace & Sons', 'Internal use')");
    }

    QString databasePath() const { return folder.file("shop.db"); }
    QString connectText() const { return "Data Source=" + databasePath(); }

    void addItem(const QString& category, const QString& name, const QString& note = "NULL") {
        connection.execute(QString("INSERT INTO items (category, name, note) VALUES ('%1', '%2', %3)")
                               .arg(category, name, note));
    }
    static QString itemName(const QString& category, int i) {
        return QString("%1-%2").arg(category).arg(i, 3, 10, QChar('0'));
    }
    // Rows of one line, but every fifth, the first among them, of four lines.
    void addItems(int count, const QString& category) {
        connection.transaction([&] {
            for (int i = 1; i <= count; ++i) {
                addItem(category, itemName(category, i),
                        i % 5 != 1 ? "NULL" : "'one' || char(10) || 'two' || char(10) || 'three' || char(10) || 'four'");
            }
        });
    }

    void writeReport(const QByteArray& text, const QString& name = "items.rpt") const {
        ASSERT_TRUE(writeFile(folder.driveC() + "/Reports/" + name, text));
    }

    // Runs C:\Reports\<name> through a report control, both operations in order.
    std::shared_ptr<const report::PageModel> run(const QString& name = "items.rpt", const QString& connect = {}) {
        report::ReportControl control("C:\\Reports\\" + name);
        control.setConnect(connect.isNull() ? connectText() : connect);
        control.retrieveData();
        control.printReport();
        return control.pages();
    }

    std::shared_ptr<const report::PageModel> runItems() {
        writeReport(kItemsReport);
        return run();
    }

    ProgramFolder folder{ProgramFolder::Database::None};
    ScriptedServices services;
    db::Connection connection;
};

TEST_F(ReportEngineTest, GroupsTheRowsUnderTheirHeadingsWithValuesAsStoredAndDatesFormatted) {
    connection.execute("INSERT INTO items (category, name, sold, price, note) VALUES "
                       "('Tools', 'Hammer', '2024-02-29', 12.5, 'It''s \"heavy\"'),"
                       "('Tools', 'Saw', NULL, NULL, NULL),"
                       "('Garden', 'Rake', '2023-12-01', 7, 'Zoë''s pick: naïve façade'),"
                       "('Garden', 'Hose', 'next week', 3, '')");
    const auto pages = runItems();
    ASSERT_TRUE(pages);
    EXPECT_TRUE(services.boxes.shown.empty());
    ASSERT_EQ(services.reports.shown.size(), 1u);
    EXPECT_EQ(services.reports.shown.front(), pages);

    ASSERT_EQ(pages->pages.size(), 1u);
    EXPECT_EQ(bodyOf(*pages), (std::vector<QStringList>{
                                  {"Category Garden"},
                                  {"Rake", "01/12/2023", "7", "Zoë's pick: naïve façade"},
                                  {"Hose", "next week", "3", ""},
                                  {"Category Tools"},
                                  {"Hammer", "29/02/2024", "12.5", "It's \"heavy\""},
                                  {"Saw", "", "", ""},
                              }));
    const report::Page& page = pages->pages.front();
    EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageHeader).at(0)), QStringList{"Ace & Sons"});
    EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::Title).at(0)), QStringList{"Items by Category"});
    EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::ColumnHeadings).at(0)), kCaptions);
    EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageFooter).at(0)), QStringList{"Note: Internal use"});
    EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageNumber).at(0)),
              (QStringList{"Printed on " + QDate::currentDate().toString("dd/MM/yyyy"), "Page 1 of 1"}));
    const Band& hammer = *bandsOf(page, Band::Kind::Detail).at(2);
    EXPECT_EQ(hammer.cells[1].alignment, report::Alignment::Center);
    EXPECT_EQ(hammer.cells[2].alignment, report::Alignment::Right);

    // Each run reads the database afresh.
    addItem("Tools", "Tongs");
    EXPECT_EQ(bodyOf(*run()).back(), (QStringList{"Tongs", "", "", ""}));
}

TEST_F(ReportEngineTest, LongTextWrapsWithinItsColumnAndTheRowGrowsToHoldIt) {
    const QString words = "The quick brown fox jumps over the lazy dog while the farmer looks on from the "
                          "porch of the old house and wonders whether the fence will hold another winter";
    const QString unbroken = QString("x").repeated(120);
    addItem("A", "Long", "'" + words + "'");
    addItem("A", "Unbroken", "'" + unbroken + "'");
    addItem("A", "Two lines", "'first' || char(10) || 'second'");
    const auto pages = runItems();
    ASSERT_TRUE(pages);

    const report::Page& page = pages->pages.front();
    const report::TextCell& noteHeading = bandsOf(page, Band::Kind::ColumnHeadings).at(0)->cells[3];
    const QFontMetricsF metrics(report::fontOf(Band::Kind::Detail));
    const auto rows = bandsOf(page, Band::Kind::Detail);
    ASSERT_EQ(rows.size(), 3u);
    for (const Band* row : rows) {
        const report::TextCell& note = row->cells[3];
        EXPECT_EQ(note.rect.left(), noteHeading.rect.left());
        EXPECT_EQ(note.rect.width(), noteHeading.rect.width());
        EXPECT_TRUE(row->rect.contains(note.rect));
        for (const QString& line : note.lines) EXPECT_LE(metrics.horizontalAdvance(line), note.rect.width()) << line.toStdString();
    }
    EXPECT_GT(rows[0]->cells[3].lines.size(), 2);
    EXPECT_EQ(rows[0]->cells[3].lines.join(' '), words);
    EXPECT_GT(rows[1]->cells[3].lines.size(), 1);
    EXPECT_EQ(rows[1]->cells[3].lines.join(""), unbroken);
    EXPECT_EQ(rows[2]->cells[3].lines, (QStringList{"first", "second"}));
    EXPECT_GE(rows[1]->rect.top(), rows[0]->rect.bottom());   // the grown row pushes the next one down
}

TEST_F(ReportEngineTest, HundredsOfRowsBreakIntoNumberedPagesWithHeadingsOnEachPage) {
    QStringList expected;
    for (int group = 1; group <= 30; ++group) {
        const QString category = QString("G%1").arg(group, 2, 10, QChar('0'));
        addItems(5 + group % 7, category);
        for (int i = 1; i <= 5 + group % 7; ++i) expected << itemName(category, i);
    }
    const auto pages = runItems();
    ASSERT_TRUE(pages);
    const int count = int(pages->pages.size());
    ASSERT_GE(count, 4);

    QStringList names;
    QString lastGroup;
    for (int i = 0; i < count; ++i) {
        const report::Page& page = pages->pages[size_t(i)];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageHeader).at(0)), QStringList{"Ace & Sons"});
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::ColumnHeadings).at(0)), kCaptions);
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageNumber).at(0)).last(), QString("Page %1 of %2").arg(i + 1).arg(count));
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageFooter).at(0)), QStringList{"Note: Internal use"});

        // Top to bottom without overlapping, on the paper.
        for (size_t b = 1; b < page.bands.size(); ++b) EXPECT_GE(page.bands[b].rect.top(), page.bands[b - 1].rect.bottom());
        EXPECT_LE(page.bands.back().rect.bottom(), pages->paperSize.height());

        // The body opens with a group heading: the group going on from the page before, or a new one.
        std::vector<const Band*> body;
        for (const Band& band : page.bands) {
            if (band.kind == Band::Kind::GroupHeading || band.kind == Band::Kind::Detail) body.push_back(&band);
        }
        ASSERT_FALSE(body.empty());
        ASSERT_EQ(body.front()->kind, Band::Kind::GroupHeading);
        const QString opening = textsOf(*body.front()).front();
        if (opening.endsWith(" (continued)")) {
            EXPECT_EQ(opening, "Category " + lastGroup + " (continued)");
        }
        EXPECT_EQ(body.back()->kind, Band::Kind::Detail);   // no heading left alone at the foot
        for (const Band* band : body) {
            if (band->kind == Band::Kind::Detail) {
                names << textsOf(*band).front();
                lastGroup = names.last().section('-', 0, 0);
            }
        }
    }
    EXPECT_EQ(names, expected);
}

TEST_F(ReportEngineTest, ARowTallerThanAPageGoesOnOverTheNextPages) {
    QStringList words;
    for (int i = 0; i < 3000; ++i) words << QString("word%1").arg(i);
    addItem("A", "Huge", "'" + words.join(' ') + "'");
    addItem("A", "After");
    const auto pages = runItems();
    ASSERT_TRUE(pages);
    ASSERT_GE(pages->pages.size(), 2u);

    QStringList noteLines;
    for (const report::Page& page : pages->pages) {
        const qreal footerRule = page.rules.back().y1();
        for (const Band* row : bandsOf(page, Band::Kind::Detail)) {
            EXPECT_LE(row->rect.bottom(), footerRule);
            if (row->cells[0].lines.value(0) != "After") noteLines << row->cells[3].lines;
        }
    }
    EXPECT_EQ(noteLines.join(' '), words.join(' '));
    const auto body = bodyOf(*pages);
    EXPECT_EQ(body[1].front(), "Huge");
    EXPECT_EQ(body[2], QStringList{"Category A (continued)"});
    EXPECT_EQ(body[3].front(), "");   // the rest of the row: only the long cell goes on
    EXPECT_EQ(body.back().front(), "After");
}

TEST_F(ReportEngineTest, AQueryWithoutRowsGivesOnePageThatSaysSo) {
    const auto pages = runItems();
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->pages.size(), 1u);
    EXPECT_EQ(textsOf(*bandsOf(pages->pages[0], Band::Kind::NoRows).at(0)), QStringList{"No records to list."});
    EXPECT_EQ(textsOf(*bandsOf(pages->pages[0], Band::Kind::PageNumber).at(0)).last(), "Page 1 of 1");
}

TEST_F(ReportEngineTest, AReportThatCannotBeProducedIsToldInABoxNamingTheFileAndWhy) {
    const QByteArray items = kItemsReport;
    struct Case {
        QString file;
        QByteArray text;   // written into the file when not empty
        QString connect;
        QString reason;
    };
    const QString missingDb = folder.file("gone.db");
    QDir(folder.driveC() + "/Reports").mkdir("folder.rpt");
    const std::vector<Case> cases{
        {"missing.rpt", {}, {}, "The report file " + folder.driveC() + "/Reports/missing.rpt could not be found."},
        {"folder.rpt", {}, {}, "/Reports/folder.rpt is a folder, not a report file."},
        {"bad.rpt", "{\"title\": \"x\",", {}, "is not a valid report file: it is not JSON text"},
        {"bad.rpt", QByteArray(items).replace("\"columns\"", "\"colums\""), {}, "the entry \"colums\" is unknown"},
        {"bad.rpt", R"({"title": "x", "columns": [{"field": "a"}]})", {}, "\"sql\" is missing or empty"},
        {"bad.rpt", R"({"sql": "SELECT 1", "columns": []})", {}, "\"columns\" must be a list of at least one column"},
        {"bad.rpt", QByteArray(items).replace("\"width\": 2,", "\"width\": 0,"), {}, "column 2: \"width\" must be a number above 0"},
        {"bad.rpt", QByteArray(items).replace("\"right\"", "\"middle\""), {},
         "column 3: \"align\" must be one of \"left\", \"center\", \"right\""},
        {"bad.rpt", QByteArray(items).replace("FROM items", "FROM nowhere"), {}, "The report's query could not be run. No such table: nowhere"},
        {"bad.rpt", QByteArray(items).replace("FROM settings", "FROM nosettings"), {},
         "The page query could not be run. No such table: nosettings"},
        {"bad.rpt", QByteArray(items).replace("\"field\": \"note\"", "\"field\": \"colour\""), {},
         "A column names the field \"colour\", which the report's query does not give."},
        {"bad.rpt", QByteArray(items).replace("{owner}", "{boss}"), {},
         "The page header names the field \"boss\", which the page query does not give."},
        {"bad.rpt", items, "Data Source=" + missingDb, "The database file " + missingDb + " could not be found."},
        {"bad.rpt", items, "", "The connection text names no database file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        if (!c.text.isEmpty()) writeReport(c.text, c.file);
        services.boxes.shown.clear();

        report::ReportControl control("C:\\Reports\\" + c.file);
        control.setConnect(c.connect.isNull() ? connectText() : c.connect);
        control.retrieveData();
        control.printReport();
        EXPECT_FALSE(control.pages());
        EXPECT_TRUE(services.reports.shown.empty());
        ASSERT_EQ(services.boxes.shown.size(), 1u);
        const auto& box = services.boxes.shown.front();
        EXPECT_EQ(box.icon, forms::Icon::Critical);
        EXPECT_TRUE(box.prompt.startsWith("The report C:\\Reports\\" + c.file + " could not be produced.")) << box.prompt.toStdString();
        EXPECT_TRUE(box.prompt.contains(c.reason)) << box.prompt.toStdString();
    }

    // A failed run drops what the run before produced.
    writeReport(kItemsReport);
    report::ReportControl control("C:\\Reports\\items.rpt");
    control.setConnect(connectText());
    control.retrieveData();
    ASSERT_TRUE(control.pages());
    control.setConnect("Data Source=" + missingDb);
    control.retrieveData();
    EXPECT_FALSE(control.pages());
}

TEST_F(ReportEngineTest, APdfFileHoldsEveryPageOnItsPaper) {
    addItems(150, "A");
    const auto pages = runItems();
    ASSERT_TRUE(pages);
    const QString pdf = folder.file("items.pdf");
    report::writePdf(*pages, pdf);
    const QByteArray bytes = readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdfPageCount(bytes), int(pages->pages.size()));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595")) << "A4 portrait";

    // A printer asked for pages 2 to 3 gets those two.
    QPdfWriter writer(folder.file("range.pdf"));
    report::paintPages(*pages, writer, 2, 3);
    EXPECT_EQ(pdfPageCount(readFile(folder.file("range.pdf"))), 2);

    EXPECT_THROW(report::writePdf(*pages, folder.file("no folder/items.pdf")), report::ReportError);
}

TEST_F(ReportEngineTest, ThePreviewWindowShowsEveryPage) {
    addItems(150, "A");
    const auto pages = runItems();
    ASSERT_TRUE(pages);
    report::PreviewWindow window(pages);
    window.preview()->updatePreview();
    EXPECT_EQ(window.preview()->pageCount(), int(pages->pages.size()));
}

}  // namespace

}  // namespace tests
