#include "resolve/resolve_address.h"

#include <utility>

#include "decompose/normalize.h"
#include "resolve/approx_rules.h"

namespace kovari::resolve {
namespace {

// The approximate rules in their order, each from the attempt the rules
// before it left. The first attempt that settles the address is its answer;
// when none does, the answer is the address as written, unless a rule that
// completed a level reached a code where the address as written had none.
class Fallbacks {
 public:
  Fallbacks(const ResolveContext& ctx, Attempt written)
      : ctx_(ctx), best_(std::move(written)), base_(best_) {}

  Attempt run() {
    // The spelling: what the rules change together.
    std::u16string spelled = base_.d.addr_text;
    unsigned rules = 0;
    auto respell = [&](ApproxRule rule, std::optional<std::u16string> text) {
      if (!text) return;
      spelled = std::move(*text);
      rules |= rule;
    };
    respell(kRuleRemark, drop_leading_remark(spelled));
    respell(kRuleVariantKanji, fold_variant_kanji(spelled, ctx_.db.tables));
    respell(kRuleLongVowelHyphen, hyphens_for_long_vowels(spelled));
    if (rules != 0 && take(spelled, rules, true)) return std::move(best_);

    // The levels.
    if (auto text = add_prefecture_suffix(base_, ctx_.db.tables);
        text && take(*text, base_.rules | kRulePrefectureSuffix, true)) {
      return std::move(best_);
    }
    using Complete = std::optional<LevelCompletion> (*)(const Attempt&, const ResolveContext&);
    for (const auto& [rule, complete] :
         {std::pair<ApproxRule, Complete>{kRuleWardFirst, complete_city_of_ward},
          {kRuleSharedCity, complete_prefecture_of_city}}) {
      std::optional<LevelCompletion> level = complete(base_, ctx_);
      if (!level) continue;
      level->attempt.rules |= base_.rules | rule;
      // Several places hold the town area: the choice (or the message) is the
      // answer.
      if (level->several || settled(level->attempt)) return std::move(level->attempt);
      keep(std::move(level->attempt), true);
    }

    // The town area, in the municipality the levels lead to.
    const std::optional<TownAreaView> view = town_area_view(base_, ctx_);
    if (!view) return std::move(best_);
    using Rewrite = std::optional<std::u16string> (*)(const TownAreaView&);
    for (const auto& [rule, rewrite] :
         {std::pair<ApproxRule, Rewrite>{kRuleTownNumerals, town_numerals_as_recorded},
          {kRuleJoLeftOut, jo_restored},
          {kRuleOldTownMachi, old_town_machi_restored}}) {
      if (auto text = rewrite(*view); text && take(*text, base_.rules | rule, false)) {
        return std::move(best_);
      }
    }
    if (std::optional<std::u16string> code = one_code_of_prefix(base_, *view)) {
      Attempt a = base_;
      a.st.result_code = std::move(*code);
      a.st.result_msg.clear();
      a.st.code_from = CodeFrom::kRecord;
      a.st.list_kind = kListNone;
      a.st.focus = Focus::kNone;
      a.rules |= kRuleOneCodePrefix;
      return a;
    }
    return std::move(best_);
  }

 private:
  // Resolves a rewritten text; true when it settles the address (it is then
  // best_). A text that only completes the address's spelling or its levels
  // is the base of the rules after it.
  bool take(std::u16string_view text, unsigned rules, bool becomes_base) {
    Attempt a = resolve_text(text, ctx_, true);
    a.rules = rules;
    if (settled(a)) {
      best_ = std::move(a);
      return true;
    }
    if (becomes_base) keep(std::move(a), false);
    return false;
  }

  // `a` is the base of the rules after it; it is also the answer when the
  // address as written reached no code and `a` did (or when `completed`, a
  // level it completed, reached the same).
  void keep(Attempt a, bool completed) {
    if (best_.st.result_code.empty() && (!a.st.result_code.empty() || completed)) best_ = a;
    base_ = std::move(a);
  }

  const ResolveContext& ctx_;
  Attempt best_;
  Attempt base_;
};

}  // namespace

std::string_view approx_rule_name(ApproxRule rule) {
  switch (rule) {
    case kRuleRemark:
      return "remark before the address";
    case kRuleVariantKanji:
      return "variant kanji";
    case kRuleLongVowelHyphen:
      return "long-vowel mark for a hyphen";
    case kRulePrefectureSuffix:
      return "prefecture without its suffix";
    case kRuleWardFirst:
      return "address beginning with a ward";
    case kRuleSharedCity:
      return "city of several prefectures";
    case kRuleTownNumerals:
      return "town-area numeral written the other way";
    case kRuleJoLeftOut:
      return "Sapporo's 条 left out";
    case kRuleOldTownMachi:
      return "old town's 町 left out";
    case kRuleOneCodePrefix:
      return "name beginning records of one code";
  }
  return "";
}

namespace {

void resolve_into(std::u16string_view text, const ResolveContext& ctx, bool normalized,
                  decompose::Decomposition& d, ResolveState& st) {
  const postaldb::PostalTables& tables = ctx.db.tables;
  d.addr_text = text;
  if (ctx.mode == CallerMode::kBatchAddress) {
    decompose::set_kansuuji(d.addr_text, tables, d.current().added_len);
  }
  const bool batch_open = ctx.running.is_set(ConversionWindow::kBatchAddressToCode);
  decompose::decompose_address(
      d, tables, {ctx.settings.flag(settings::Flag::kApproximate), batch_open ? 1 : 0, normalized});
  kaiseki_phase1(st, d, ctx);
}

}  // namespace

Attempt resolve_text(std::u16string_view text, const ResolveContext& ctx, bool normalized) {
  Attempt a;
  resolve_into(text, ctx, normalized, a.d, a.st);
  return a;
}

unsigned resolve_address(std::u16string_view text, const ResolveContext& ctx,
                         decompose::Decomposition& d, ResolveState& st) {
  st.reset();
  resolve_into(text, ctx, false, d, st);
  if (settled(st) || d.decomp_status == decompose::DecompStatus::kBuilding) return 0;
  Attempt best = Fallbacks(ctx, {std::move(d), std::move(st), 0}).run();
  d = std::move(best.d);
  st = std::move(best.st);
  return best.rules;
}

}  // namespace kovari::resolve
