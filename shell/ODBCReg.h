#pragma once

#include "platform/forms/Form.h"

#include <QString>

#include <cstdint>

namespace shell {

namespace registrationControls {
FORMS_CONTROL(Command1);
}  // namespace registrationControls

// Adds (dsn::kOdbcAddDsn) or removes (dsn::kOdbcRemoveDsn) the current user's data source sDSN on
// the driver sDriver for the database file sDBFile, a native path. A data source whose "DBQ" is
// already set is not added again, and one without it is not removed. A database file that does
// not exist is told in a message and nothing is registered. The installer's answer is not looked at.
void MakeDSN(const QString& sDSN, const QString& sDriver, const QString& sDBFile, std::int32_t lAction);

// The data-source registration window: loading it registers the program's database as the
// user's data source "QuorvelKvo" and ends the program. It is never seen.
class ODBCReg : public forms::Form {
    Q_OBJECT
public:
    ODBCReg();

protected:
    void load() override;

private:
    void Command1_Click();
};

// The registration run on its own, as the program's registration entry: an error stops it with
// its message; the program ends all the same.
void registerDataSource();

}  // namespace shell
