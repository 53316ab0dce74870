#pragma once
// Tag for the constructor that leaves a collector empty: it gathers nothing,
// so its lists are empty and its readings give their failure values. The
// program stands such a collector in for one whose gathering failed.
struct NoGathering {};
