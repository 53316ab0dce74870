#pragma once
#include "tools/facts/FactsRegistry.h"

// Prints every registered area in FactsArea order.
void RunAllFacts(FactsContext& context);
