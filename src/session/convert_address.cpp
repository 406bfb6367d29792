#include "session/convert_address.h"

#include "resolve/resolve_address.h"

namespace kovari {
namespace {

void fill_choice_list(const resolve::ResolveState& st, std::optional<AddressChoiceList>& list) {
  if (st.list_kind == resolve::kListNone) {
    list.reset();
    return;
  }
  list = AddressChoiceList{st.list_kind, resolve::list_prompt(st.list_kind), {}};
  // Several approximate hits are offered instead of the whole level.
  const bool hits = st.fuzzy.fuzzy_count > 1;
  const auto& names = hits ? st.fuzzy.fuzzy_name : st.cand.cand_name;
  const auto& names1 = hits ? st.fuzzy.fuzzy_name1 : st.cand.cand_name1;
  const auto& indexes = hits ? st.fuzzy.fuzzy_index : st.cand.cand_index;
  for (std::size_t i = 0; i < names.size(); ++i) {
    list->choices.push_back(
        {names[i], i < names1.size() ? names1[i] : u"", i < indexes.size() ? indexes[i] : 0});
  }
}

// The results are exchanged with the kept state's texts, never copied.
void convert_with(const Session& session, resolve::RememberedChoices& remembered,
                  resolve::ResolveCaches& caches, const resolve::TownCache& town_cache, Host& host,
                  std::u16string_view text, CallerMode mode, const AddressRequest& request,
                  AddressOutcome& out) {
  const resolve::ResolveContext ctx{
      session.db, session.settings, session.running,     mode, host, remembered, caches,
      town_cache, request.old_code, request.use_old_code};
  out.decomposition.reset();
  resolve::ResolveState& st = caches.scratch.state;
  out.approximate = resolve::resolve_address(text, ctx, out.decomposition, st);
  out.code.swap(st.result_code);
  out.catch_all = st.code_from == resolve::CodeFrom::kCatchAll;
  out.message.swap(st.result_msg);
  out.parts.swap(st.result_parts);
  out.focus = st.focus;
  fill_choice_list(st, out.list);
  out.levels = {st.found_pref, st.found_city,   st.found_town, st.town_first,
                st.town_last,  st.detail_first, st.detail_last};
}

}  // namespace

AddressOutcome convert_address(Session& session, Host& host, std::u16string_view text,
                               CallerMode mode, const AddressRequest& request) {
  AddressOutcome out;
  convert_with(session, session.remembered, session.caches, session.town_cache, host, text, mode,
               request, out);
  return out;
}

void convert_address(Session& session, Host& host, std::u16string_view text, CallerMode mode,
                     const AddressRequest& request, AddressOutcome& out) {
  convert_with(session, session.remembered, session.caches, session.town_cache, host, text, mode,
               request, out);
}

AddressOutcome convert_address(const Session& session, ResolveMemory& memory, Host& host,
                               std::u16string_view text, CallerMode mode,
                               const AddressRequest& request) {
  AddressOutcome out;
  convert_with(session, memory.remembered, memory.caches, memory.town_cache, host, text, mode,
               request, out);
  return out;
}

void convert_address(const Session& session, ResolveMemory& memory, Host& host,
                     std::u16string_view text, CallerMode mode, const AddressRequest& request,
                     AddressOutcome& out) {
  convert_with(session, memory.remembered, memory.caches, memory.town_cache, host, text, mode,
               request, out);
}

}  // namespace kovari
