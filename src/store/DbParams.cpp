#include "store/DbParams.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "db/Transactie.h"

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
    try {
        db::TEigenTransactie transactie(*verbinding);
        const std::string sleutel = Literal(ToLowerAscii(naam));
        const std::string inhoud = Literal(waarde.empty() ? " " : waarde);
        db::Query query(*verbinding,
                        "update dbparams set param_value = " + inhoud + " where param_cd = " + sleutel);
        if (query.ExecSQL() == 0) {
            query.SetSQL("insert into dbparams (param_cd, param_value) values (" + sleutel + ", " + inhoud + ")");
            query.ExecSQL();
        }
        transactie.Commit();
    } catch (const std::exception& error) {
        throw Exception("SetDBParamValue (" + naam + "): " + error.what());
    }
}

} // namespace vkt
