// The clipboard watcher's conversions over the session: a code looked up as
// the watcher looks it up (no list, no prompt), an address resolved as the
// batch resolves it (no candidate list).
#pragma once

#include "clipboard/clip_watch.h"
#include "host/host.h"
#include "session/convert_code.h"
#include "session/session.h"

namespace kovari {

class SessionClipConverter : public clipboard::ClipConverter {
 public:
  SessionClipConverter(Session& session, Host& host) : session_(session), host_(host) {}

  Address code_to_address(std::u16string_view code, bool first_of_several) override;
  Code address_to_code(std::u16string_view address) override;

 private:
  Session& session_;
  Host& host_;
  CodeBuffers code_buffers_;  // their room kept from one copied code to the next
};

}  // namespace kovari
