// One call of the library's interface at a time, from whichever thread.
//
// A call writes the window block's slots, sends its command and reads the results that
// come back in the same block; another thread's call in between would overwrite them, or
// take the answer meant for this one. So each public operation holds this lock for its
// whole run. A call may call others (a reference form its value form), so the thread that
// holds it may take it again.
#pragma once

namespace lumora {

class CallLock {
  public:
    CallLock();
    ~CallLock();
    CallLock(const CallLock&) = delete;
    CallLock& operator=(const CallLock&) = delete;
};

}  // namespace lumora
