#pragma once
// The storage monitor reads how idle the disks were and shows how busy they
// were.

// Busy percent from the "% Idle Time" counter value. A failed read (-1, or
// any negative value) stays -1, so it shows as a failure like the other
// monitors' sources instead of as a fully busy disk. Idle readings above 100
// (the counter overshoots on some systems) count as no activity.
int DiskActivityFromIdle(int idlePercent);
