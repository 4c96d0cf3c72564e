#include "common/Schema.h"

#include "common/Password.h"
#include "common/SqlText.h"
#include "platform/db/Connection.h"

#include <QFile>

// Text columns compare without regard to case, as the statements expect; dates are ISO text in
// DATETIME columns; every table has a row id so that recordsets can write rows back.
const char* const kSchemaSql = R"sql(
CREATE TABLE usertable (
  userid INTEGER PRIMARY KEY AUTOINCREMENT,
  username TEXT COLLATE NOCASE,
  password TEXT COLLATE NOCASE,
  password2 TEXT COLLATE NOCASE,
  ulevel INTEGER,
  descriptions TEXT COLLATE NOCASE
);
CREATE TABLE companyinfo (
  cinfoid INTEGER PRIMARY KEY AUTOINCREMENT,
  softwareowner TEXT COLLATE NOCASE,
  companyno TEXT COLLATE NOCASE,
  Address TEXT COLLATE NOCASE,
  otel TEXT COLLATE NOCASE,
  ofax TEXT COLLATE NOCASE,
  oemail TEXT COLLATE NOCASE,
  defaultheader TEXT COLLATE NOCASE,
  FileName TEXT COLLATE NOCASE,
  LImage BLOB,
  lnk INTEGER
);
CREATE TABLE employee (
  aid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  empname TEXT COLLATE NOCASE,
  Address1 TEXT COLLATE NOCASE,
  Address2 TEXT COLLATE NOCASE,
  Address3 TEXT COLLATE NOCASE,
  Tel TEXT COLLATE NOCASE,
  Fax TEXT COLLATE NOCASE,
  gender TEXT COLLATE NOCASE,
  remarks TEXT COLLATE NOCASE,
  Child REAL,
  OAddress1 TEXT COLLATE NOCASE,
  OAddress2 TEXT COLLATE NOCASE,
  OAddress3 TEXT COLLATE NOCASE,
  handphone TEXT COLLATE NOCASE,
  e_mail TEXT COLLATE NOCASE,
  DOB DATETIME,
  Age INTEGER,
  lnk INTEGER,
  IcNew TEXT COLLATE NOCASE,
  IcOld TEXT COLLATE NOCASE,
  Nationality TEXT COLLATE NOCASE,
  Race TEXT COLLATE NOCASE,
  Religion TEXT COLLATE NOCASE,
  MaritalStatus TEXT COLLATE NOCASE,
  Dialect TEXT COLLATE NOCASE,
  PassportNo TEXT COLLATE NOCASE,
  Pedate DATETIME,
  FileName TEXT COLLATE NOCASE,
  Spouse TEXT COLLATE NOCASE,
  SOccupation TEXT COLLATE NOCASE,
  SCompany TEXT COLLATE NOCASE,
  SAddress TEXT COLLATE NOCASE,
  STel TEXT COLLATE NOCASE,
  ShandPhone TEXT COLLATE NOCASE,
  Semail TEXT COLLATE NOCASE,
  Hobbies TEXT COLLATE NOCASE,
  Uniform TEXT COLLATE NOCASE,
  Club TEXT COLLATE NOCASE,
  Sports TEXT COLLATE NOCASE,
  Others TEXT COLLATE NOCASE,
  ProfMem TEXT COLLATE NOCASE,
  Awards TEXT COLLATE NOCASE,
  LImage BLOB
);
CREATE INDEX employee_empid ON employee(empid);
CREATE TABLE familytree (
  bid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  Name TEXT COLLATE NOCASE,
  relationship TEXT COLLATE NOCASE,
  DOB DATETIME,
  gender TEXT COLLATE NOCASE,
  occupation TEXT COLLATE NOCASE,
  contactno TEXT COLLATE NOCASE,
  n TEXT COLLATE NOCASE,
  Age INTEGER,
  lnk INTEGER
);
CREATE INDEX familytree_empid ON familytree(empid);
CREATE TABLE academic (
  cid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  Period TEXT COLLATE NOCASE,
  institution TEXT COLLATE NOCASE,
  LevelObtained TEXT COLLATE NOCASE,
  grade TEXT COLLATE NOCASE,
  lnk INTEGER
);
CREATE INDEX academic_empid ON academic(empid);
CREATE TABLE training (
  did INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  Period TEXT COLLATE NOCASE,
  coursename TEXT COLLATE NOCASE,
  certificatename TEXT COLLATE NOCASE,
  result TEXT COLLATE NOCASE,
  lnk INTEGER
);
CREATE INDEX training_empid ON training(empid);
CREATE TABLE workingskill (
  eid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  skill TEXT COLLATE NOCASE,
  years TEXT COLLATE NOCASE,
  ProficiencyLevel TEXT COLLATE NOCASE,
  lnk INTEGER
);
CREATE INDEX workingskill_empid ON workingskill(empid);
CREATE TABLE languagedialect (
  fid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  LanguageDialect TEXT COLLATE NOCASE,
  spoken TEXT COLLATE NOCASE,
  written TEXT COLLATE NOCASE,
  lnk INTEGER
);
CREATE INDEX languagedialect_empid ON languagedialect(empid);
CREATE TABLE employment (
  gid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  CompanyName TEXT COLLATE NOCASE,
  positiontitle TEXT COLLATE NOCASE,
  PositionLevel TEXT COLLATE NOCASE,
  Specialisation TEXT COLLATE NOCASE,
  Industry TEXT COLLATE NOCASE,
  DateJoined DATETIME,
  Dateleft DATETIME,
  workdescription TEXT COLLATE NOCASE,
  reasonleft TEXT COLLATE NOCASE,
  lnk INTEGER
);
CREATE INDEX employment_empid ON employment(empid);
CREATE TABLE project (
  hid INTEGER PRIMARY KEY AUTOINCREMENT,
  empid TEXT COLLATE NOCASE,
  ProjectName TEXT COLLATE NOCASE,
  Client TEXT COLLATE NOCASE,
  Duration TEXT COLLATE NOCASE,
  TeamSize TEXT COLLATE NOCASE,
  Role TEXT COLLATE NOCASE,
  SoftwarePlateform TEXT COLLATE NOCASE,
  OtherSkill TEXT COLLATE NOCASE,
  lnk INTEGER
);
CREATE INDEX project_empid ON project(empid);
)sql";

void createDatabase(const QString& nativePath) {
    db::Connection connection;
    connection.create(nativePath);
    const QString seed = QStringLiteral(
        "INSERT INTO usertable (username, password2, ulevel, descriptions) VALUES ('admin', '%1', 9, 'Admin');"
        "INSERT INTO companyinfo (softwareowner, companyno, Address, otel, ofax, oemail, defaultheader, FileName) "
        "VALUES ('', '', '', '', '', '', '', '');")
        .arg(sqlEscape(Encrypt(QStringLiteral("admin"))));
    try {
        connection.transaction([&] {
            connection.execute(QString::fromUtf8(kSchemaSql));
            connection.execute(seed);
        });
    } catch (...) {
        connection.close();
        QFile::remove(nativePath);   // no half-made database is left for the program to find
        throw;
    }
}
