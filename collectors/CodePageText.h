#pragma once
// Wide text of the narrow strings the system hands the collectors (processor
// brand, adapter records), decoded with the code page they are written in.
#include <string>

// `codePage` is a Windows code page id such as CP_ACP or CP_THREAD_ACP.
// Empty when the bytes are empty or cannot be decoded.
std::wstring CodePageText(unsigned codePage, const std::string& bytes);
