#include "scene/DumpScreens.h"

rt::Json DumpScreens() {
  return rt::Json::object();
}
