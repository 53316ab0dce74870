#include "collectors/CDateTime.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintDateTime(FactsContext&) {
    CDateTime now;
    PrintFact(L"CDateTime::GetTimeText", now.GetTimeText());
    PrintFact(L"CDateTime::GetDateText", now.GetDateText());
    PrintFact(L"CDateTime::GetWeekday", now.GetWeekday());
    PrintFact(L"CDateTime::GetTimeZone", now.GetTimeZone());
    PrintFact(L"CDateTime::GetDayOfYear", now.GetDayOfYear());
    PrintFact(L"CDateTime::GetWeekNumber", now.GetWeekNumber());
    PrintFact(L"CDateTime::GetUnixTime", now.GetUnixTime());
}

FactsRegistrar registrar(FactsArea::DateTime, L"Date and time", PrintDateTime);

}  // namespace
