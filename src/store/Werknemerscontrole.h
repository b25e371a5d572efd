#pragma once

namespace vkt {

namespace db {
class Connection;
}

// Checks that the employee database holds what every calculation needs,
// before anything is read for a calculation or written: each table the
// program uses, with its columns, a primary key on the tables that are
// saved row by row, and the employer's system wage components of the gross
// wage and the statutory employer charges (without them a calculation gives
// a gross and net wage of 0,00 or leaves charges out, without a word).
// Throws an EQuelvarException naming the table. A database without an
// employer passes: the employee list says so itself.
void ControleerWerknemersdatabase(db::Connection& verbinding);

} // namespace vkt
