#include "online/ThreadPriority.h"

#include <pthread.h>
#include <sched.h>

void UseLowestThreadPriority() {
  const sched_param parameter{};
  pthread_setschedparam(pthread_self(), SCHED_IDLE, &parameter);
}
