// The values the window's decisions use, against the system's own headers.
#include <windows.h>

#include "win32_values.h"

namespace zomerita::win::win32 {

static_assert(WsChild == WS_CHILD && WsVisible == WS_VISIBLE && WsTabStop == WS_TABSTOP && WsVScroll == WS_VSCROLL);
static_assert(WsExClientEdge == WS_EX_CLIENTEDGE);
static_assert(SsCenter == SS_CENTER && SsOwnerDraw == SS_OWNERDRAW && SsNoPrefix == SS_NOPREFIX);
static_assert(EsCenter == ES_CENTER && EsMultiline == ES_MULTILINE && EsAutoVScroll == ES_AUTOVSCROLL &&
              EsAutoHScroll == ES_AUTOHSCROLL && EsReadOnly == ES_READONLY);
static_assert(BsOwnerDraw == BS_OWNERDRAW);
static_assert(MbOk == MB_OK && MbIconError == MB_ICONERROR && MbIconWarning == MB_ICONWARNING);
static_assert(HcfHighContrastOn == HCF_HIGHCONTRASTON && HcfAvailable == HCF_AVAILABLE);

}  // namespace zomerita::win::win32
