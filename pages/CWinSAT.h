#pragma once
// The program's one store of experience-index scores, kept as display
// strings. The pages read their WEI fields from it. Every string is empty
// while no valid assessment result has been read.
#include <string>

#include "framework/CObject.h"

class CWinSAT : public CObject {
public:
    CWinSAT() = default;
    ~CWinSAT() override = default;

    std::wstring baseScore;
    std::wstring processorScore;
    std::wstring diskScore;
    std::wstring graphicsScore;
    std::wstring memoryScore;
    std::wstring lastUpdate;
};
