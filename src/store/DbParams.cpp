#include "store/DbParams.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "db/Connection.h"
#include "db/Query.h"

namespace vkt {
namespace {

// A text as an SQL string literal; doubling embedded quotes keeps any value
// from ending the literal early.
std::string Literal(const std::string& tekst)
{
    std::string literal = "'";
    for (char teken : tekst) {
        if (teken == '\'')
            literal += '\'';
        literal += teken;
    }
    return literal + "'";
}

void ControleerVerbinding(const db::Connection* verbinding)
{
    if (verbinding == nullptr)
        throw Exception("No DB connection specified");
}

// Undoes the transaction this call began. The engine may already have ended
// it after a failed statement, and a failing rollback must not hide the
// error that caused it.
void HerstelTransactie(db::Connection& verbinding)
{
    try {
        if (verbinding.InTransaction())
            verbinding.RollbackTrans();
    } catch (const std::exception&) {
    }
}

} // namespace

std::string GetDBParamValue(db::Connection* verbinding, const std::string& naam)
{
    ControleerVerbinding(verbinding);
    try {
        db::Query query(*verbinding, "select param_value from dbparams where param_cd = " +
                                         Literal(ToLowerAscii(naam)));
        query.Open();
        if (query.Eof())
            return "";
        return query.AsText("param_value");
    } catch (const std::exception& error) {
        throw Exception("GetDBParamValue (" + naam + "): " + error.what());
    }
}

void SetDBParamValue(db::Connection* verbinding, const std::string& naam, const std::string& waarde)
{
    ControleerVerbinding(verbinding);
    bool eigenTransactie = false;
    try {
        if (!verbinding->InTransaction()) {
            verbinding->BeginTrans();
            eigenTransactie = true;
        }
        const std::string sleutel = Literal(ToLowerAscii(naam));
        const std::string inhoud = Literal(waarde.empty() ? " " : waarde);
        db::Query query(*verbinding,
                        "update dbparams set param_value = " + inhoud + " where param_cd = " + sleutel);
        if (query.ExecSQL() == 0) {
            query.SetSQL("insert into dbparams (param_cd, param_value) values (" + sleutel + ", " + inhoud + ")");
            query.ExecSQL();
        }
        if (eigenTransactie)
            verbinding->CommitTrans();
    } catch (const std::exception& error) {
        if (eigenTransactie)
            HerstelTransactie(*verbinding);
        throw Exception("SetDBParamValue (" + naam + "): " + error.what());
    }
}

} // namespace vkt
