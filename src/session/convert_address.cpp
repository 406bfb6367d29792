#include "session/convert_address.h"

#include "decompose/normalize.h"
#include "resolve/kaiseki_phase1.h"

namespace kovari {
namespace {

std::optional<AddressChoiceList> choice_list(const resolve::ResolveState& st) {
  if (st.list_kind == resolve::kListNone) return std::nullopt;
  AddressChoiceList list{st.list_kind, std::u16string(resolve::list_prompt(st.list_kind)), {}};
  // Several approximate hits are offered instead of the whole level.
  const bool hits = st.fuzzy.fuzzy_count > 1;
  const auto& names = hits ? st.fuzzy.fuzzy_name : st.cand.cand_name;
  const auto& names1 = hits ? st.fuzzy.fuzzy_name1 : st.cand.cand_name1;
  const auto& indexes = hits ? st.fuzzy.fuzzy_index : st.cand.cand_index;
  for (std::size_t i = 0; i < names.size(); ++i) {
    list.choices.push_back(
        {names[i], i < names1.size() ? names1[i] : u"", i < indexes.size() ? indexes[i] : 0});
  }
  return list;
}

}  // namespace

AddressOutcome convert_address(Session& session, Host& host, std::u16string_view text,
                               CallerMode mode, const AddressRequest& request) {
  AddressOutcome out;
  decompose::Decomposition& d = out.decomposition;
  const postaldb::PostalTables& tables = session.db.tables;
  const bool batch_open = session.running.is_set(ConversionWindow::kBatchAddressToCode);
  d.addr_text = text;
  if (mode == CallerMode::kBatchAddress) {
    decompose::set_kansuuji(d.addr_text, tables, d.current().added_len);
  }
  decompose::decompose_address(
      d, tables, {session.settings.flag(settings::Flag::kApproximate), batch_open ? 1 : 0});

  resolve::ResolveState st;
  const resolve::ResolveContext ctx{
      session.db,     session.settings, session.running,     mode, host, session.remembered,
      session.caches, request.old_code, request.use_old_code};
  resolve::kaiseki_phase1(st, d, ctx);

  out.code = std::move(st.result_code);
  out.message = std::move(st.result_msg);
  out.parts = std::move(st.result_parts);
  out.focus = st.focus;
  out.list = choice_list(st);
  out.levels = {st.found_pref, st.found_city,   st.found_town, st.town_first,
                st.town_last,  st.detail_first, st.detail_last};
  return out;
}

}  // namespace kovari
