#pragma once

#include "platform/report/PageModel.h"

#include <QString>

#include <memory>

namespace report {

// A report bound to its file, as a window holds it:
//
//   report::ReportControl family{"C:\\Quorvel\\family.rpt"};
//   family.setConnect(dataSourceText);
//   family.retrieveData();
//   family.printReport();
//
// The file name is a Windows text, mapped to this system's path each time the report runs. The
// connection text is read for its "Data Source=" part, the database file that the report's queries
// run on. A report that cannot be produced (file missing, unreadable or malformed, database not
// opened, a query failing) is told to the user in a message box naming the file and the reason;
// nothing is thrown and nothing is shown as if it were the report.
class ReportControl {
public:
    explicit ReportControl(QString reportFileName) : reportFileName_(std::move(reportFileName)) {}

    const QString& reportFileName() const { return reportFileName_; }
    const QString& connect() const { return connect_; }
    void setConnect(const QString& connectionText) { connect_ = connectionText; }

    // Reads the report file, runs its queries over the connection and lays the rows out in pages.
    // Whatever an earlier run produced is dropped first.
    void retrieveData();

    // Sends the pages of the last retrieveData() to their destination, the preview window (through
    // reportViewer()), from which the user prints them or saves them as PDF. Returns at once.
    // Does nothing when the last retrieveData() failed or none has run.
    void printReport();

    // The pages of the last retrieveData(); null when it failed or none has run.
    std::shared_ptr<const PageModel> pages() const { return pages_; }

private:
    QString reportFileName_;
    QString connect_;
    std::shared_ptr<const PageModel> pages_;
};

}  // namespace report
