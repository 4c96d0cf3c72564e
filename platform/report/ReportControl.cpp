#include "platform/report/ReportControl.h"

#include "platform/db/Connection.h"
#include "platform/files/Paths.h"
#include "platform/forms/Services.h"
#include "platform/report/PageLayout.h"
#include "platform/report/ReportContent.h"
#include "platform/report/ReportViewer.h"

namespace report {

void ReportControl::retrieveData() {
    pages_.reset();
    try {
        const ReportDefinition definition = readReportFile(files::nativePath(reportFileName_));
        db::Connection connection;
        connection.open(connect_);
        pages_ = std::make_shared<const PageModel>(layOut(fetchContent(definition, connection), QDate::currentDate()));
    } catch (const platform::PlatformError& error) {
        forms::msgBox(QStringLiteral("The report %1 could not be produced.\n\n%2").arg(reportFileName_, error.description()),
                      forms::Buttons::OK, forms::Icon::Critical);
    }
}

void ReportControl::printReport() {
    if (pages_) reportViewer().show(pages_);
}

}  // namespace report
