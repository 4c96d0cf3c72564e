#pragma once

#include "platform/forms/Form.h"
#include "platform/report/ReportControl.h"

namespace shell {

namespace reportListControls {
FORMS_CONTROL(CmdF);
FORMS_CONTROL(CmdS);
FORMS_CONTROL(CmdL);
FORMS_CONTROL(CmdA);
FORMS_CONTROL(CmdT);
FORMS_CONTROL(CmdE);
FORMS_CONTROL(CmdP);
}  // namespace reportListControls

// The report launcher: a hidden window whose buttons, pressed from the Reporting menu, run the
// printed lists. It is never shown and keeps nothing between presses.
class RptList : public forms::Form {
    Q_OBJECT
public:
    RptList();

private:
    report::ReportControl RF1{QStringLiteral("C:\\Quorvel\\family.rpt")};
    report::ReportControl Rf2{QStringLiteral("C:\\Quorvel\\familys.rpt")};
    report::ReportControl Rs1{QStringLiteral("C:\\Quorvel\\skilln.rpt")};
    report::ReportControl Rs2{QStringLiteral("C:\\Quorvel\\skills.rpt")};
    report::ReportControl Rl1{QStringLiteral("C:\\Quorvel\\languagel.rpt")};
    report::ReportControl Rl2{QStringLiteral("C:\\Quorvel\\languagen.rpt")};
    report::ReportControl Ra1{QStringLiteral("C:\\Quorvel\\academic.rpt")};
    report::ReportControl Rt1{QStringLiteral("C:\\Quorvel\\trainingl.rpt")};
    report::ReportControl Rt2{QStringLiteral("C:\\Quorvel\\trainingn.rpt")};
    report::ReportControl Re1{QStringLiteral("C:\\Quorvel\\employment.rpt")};
    report::ReportControl Rp1{QStringLiteral("C:\\Quorvel\\projectr.rpt")};
};

}  // namespace shell
