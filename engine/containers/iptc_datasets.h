// The IPTC-NAA datasets with captions: record 1 (envelope) and record 2
// (application).
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/text/vocabulary.h"

namespace kelvane::iptc {

enum class ValueKind { kHex, kText };

struct EnvelopeDataset {
  uint8_t dataset;
  std::string_view caption;
  ValueKind kind;
};

inline constexpr EnvelopeDataset kEnvelopeDatasets[] = {
    {0, "モデルバージョン", ValueKind::kHex},
    {5, "送信先", ValueKind::kText},
    {20, "ファイルフォーマット", ValueKind::kHex},
    {22, "ファイルフォーマットバージョン", ValueKind::kHex},
    {30, "サービスID", ValueKind::kText},
    {40, "エンベロープ番号", ValueKind::kText},
    {50, "プロダクトID ", ValueKind::kText},
    {60, "エンベロープ優先度", ValueKind::kText},
    {70, "送信日", ValueKind::kText},
    {80, "送信時間", ValueKind::kText},
    {90, "文字コード定義", ValueKind::kHex},
};

// Record 2: dataset 0 is hexadecimal, every other dataset JIS-aware text.
inline constexpr kelvane::CodeText kApplicationCaptions[] = {
    {0, "レコードバージョン"},
    {5, "タイトル"},
    {7, "編集ステータス"},
    {10, "緊急度"},
    {15, "カテゴリー"},
    {20, "補足カテゴリー"},
    {22, "固定識別子"},
    {25, "キーワード"},
    {30, "公開日"},
    {35, "公開時間"},
    {40, "特別指示"},
    {45, "参照サービス"},
    {55, "撮影日"},
    {60, "撮影時間"},
    {65, "生成媒体"},
    {70, "生成プログラムバージョン"},
    {75, "オブジェクトサイクル"},
    {80, "撮影者"},
    {85, "撮影者の肩書"},
    {90, "発信地"},
    {95, "都道府県名"},
    {100, "国コード"},
    {101, "国名"},
    {103, "写真番号"},
    {105, "サブタイトル"},
    {110, "クレジット"},
    {115, "オリジナル所有者"},
    {116, "著作権情報"},
    {120, "キャプション"},
    {122, "キャプション作成者"},
    {130, "イメージタイプ"},
    {135, "言語ID"},
};
static_assert(IsWellFormedVocabulary(kApplicationCaptions));

}  // namespace kelvane::iptc
