#pragma once
// Root of the program's class hierarchy: every object that owns resources
// releases them in its (virtual) destructor.
class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;
};
