// The floor of a command round trip through shared memory: one word each way between two
// processes, each side spinning briefly and then sleeping in futex(), waking the other
// only when it said it sleeps. Microseconds per round trip, or -1.
#pragma once

double shm_futex_round_trip(int round_trips);
