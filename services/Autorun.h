#pragma once
// Starting the program at logon: the scheduled task the widgets dialog
// creates and deletes, and the old per-user Run value, which the program
// only ever removes. Results are codes for the caller; nothing is shown.
#include <string>

// 0 when the task now starts `programPath` with "-auto" at logon, 1 otherwise.
int CreateAutorunTask(const std::wstring& programPath);
// 0 when the task service was reached (whether a task was there or not).
int DeleteAutorunTask();
bool AutorunTaskExists();

// Removes the value "Orvanel" from the current user's Run key, if present.
void DeleteAutorunRunValue();

// The full path of the running program, as the task should start it.
std::wstring OwnProgramPath();
