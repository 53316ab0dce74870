// orvanel-facts: prints what every collector reports on this machine.
#include "collectors/SmbiosReader.h"
#include "collectors/core/CDumpSMBIOS.h"
#include "tools/facts/FactsRun.h"

int wmain() {
    // The same preparation the programs' start-up does before collectors run.
    CDumpSMBIOS smbios;
    ReadSmbiosTable(smbios);

    FactsContext context;
    context.smbios = &smbios;
    RunAllFacts(context);
    return 0;
}
