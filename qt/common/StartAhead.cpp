#include "qt/common/StartAhead.h"

#include <fontconfig/fontconfig.h>

#include "storage/KeyValueStore.h"

TStartAhead::TStartAhead()
    : Worker([] {
          PrepareUserStore();
          // Qt finds the configuration loaded; were it to ask first, fontconfig loads it for
          // each asker and keeps one, so nothing is lost but the time.
          FcInit();
      })
{
}
