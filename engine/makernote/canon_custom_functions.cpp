#include <array>

#include "engine/makernote/maker_subdecoders.h"
#include "engine/makernote/maker_table.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr int32_t kCaptionKey = 0x90F000;
constexpr int32_t kFunctionKey = 0x90F001;

struct CustomFunction {
  const char* name;
  std::span<const CodeText> settings;
};

constexpr CodeText kFn1[] = {{0, "オフ"}, {1, "オン"}};
constexpr CodeText kFn2[] = {
    {0, "AF/AE ロック"}, {1, "AE ロック/AF"}, {2, "AF/AF ロック"}, {3, "AE+リリース/AE+AF"}};
constexpr CodeText kFn3[] = {{0, "不可能"}, {1, "可能"}};
constexpr CodeText kFn4[] = {{0, "1/2EV"}, {1, "1/3EV"}};
constexpr CodeText kFn5[] = {{0, "オン(自動)"}, {1, "強制オフ"}};
constexpr CodeText kFn6[] = {{0, "オート"}, {1, "1/200秒固定"}};
constexpr CodeText kFn7[] = {{0, "0,-,+,有効"}, {1, "0,-,+,無効"}, {2, "-,0,+,有効"}, {3, "-,0,+,無効"}};
constexpr CodeText kFn8[] = {{0, "前幕シンクロ"}, {1, "後幕シンクロ"}};
constexpr CodeText kFn9[] = {{0, "AFストップ"}, {1, "AF操作"}, {2, "AEロックとタイマー開始"}};
constexpr CodeText kFn10[] = {{0, "オン"}, {1, "オフ"}};
constexpr CodeText kFn11[] = {{0, "トップメニュー"}, {1, "前メニュー(揮発性)"}, {2, "前メニュー"}};
constexpr CodeText kFn12[] = {
    {0, "なし"}, {1, "ファイル保存品質変更"}, {2, "ISO設定変更"}, {3, "パラメータ選択"}};
constexpr CodeText kFn13[] = {{0, "オフ"}, {1, "オン"}};
constexpr CodeText kFn14[] = {{0, "オン"}, {1, "オフ"}};
constexpr CodeText kFn15[] = {{0, "可能"}, {1, "不可能"}};

// EOS D30/D60 functions 1 to 15 (index 0 is unused).
constexpr std::array<CustomFunction, 16> kD30Functions = {{
    {nullptr, {}},
    {"Fn1.ノイズリダクション", kFn1},
    {"Fn2.シャッター/AEロックボタン", kFn2},
    {"Fn3.ミラーアップ撮影 ", kFn3},
    {"Fn4.シャッター・絞り露出設定ステップ", kFn4},
    {"Fn5.AF補助光の投光", kFn5},
    {"Fn6.Avモードでのシャッター速度", kFn6},
    {"Fn7.AEB撮影順序他", kFn7},
    {"Fn8.シンクロタイミング", kFn8},
    {"Fn9.レンズ・AFストップボタンの機能変更", kFn9},
    {"Fn10.自動フラッシュ充電量制限", kFn10},
    {"Fn11.メニューボタン復帰位置", kFn11},
    {"Fn12.撮影時のSETボタン機能", kFn12},
    {"Fn13.センサークリーニング", kFn13},
    {"Fn14.スーパーインポーズの表示", kFn14},
    {"Fn15.CFカード未装着時のレリーズ", kFn15},
}};

constexpr bool FunctionsAreWellFormed() {
  for (const CustomFunction& fn : kD30Functions)
    if ((fn.name && !text::IsValidUtf8(fn.name)) || !IsWellFormedVocabulary(fn.settings))
      return false;
  return true;
}
static_assert(FunctionsAreWellFormed());

// The image type names the body with its spaces ("Canon EOS D60"); it is
// compared without them.
bool IsD30OrD60(const std::string& camera_type) {
  std::string compact;
  for (char c : camera_type)
    if (c != ' ') compact.push_back(c);
  return compact.find("EOSD60") != std::string::npos ||
         compact.find("EOSD30") != std::string::npos;
}

}  // namespace

void ReadCanonCustomFunctions(Reader& f, bool intel, uint64_t position, uint32_t count,
                              const std::string& camera_type, TMakerResult& result) {
  const bool d30 = IsD30OrD60(camera_type);
  result.Add(kCaptionKey, "▽カスタムファンクション", d30 ? "EOS D30/60 Format" : "");
  if (count < 2) return;
  // The first word is the array's length; then one word per function. The
  // words are read in one block, so a count the file cannot hold costs
  // nothing but the read error.
  f.Seek(position + 2);
  const std::string words = ReadRaw(f, int64_t{count - 1} * 2);
  int previous = 0;
  for (size_t i = 0; i + 1 < words.size(); i += 2) {
    const auto first = static_cast<unsigned char>(words[i]);
    const auto second = static_cast<unsigned char>(words[i + 1]);
    // In Intel order the setting comes first, in Motorola order the number.
    const int number = intel ? second : first;
    const int setting = intel ? first : second;
    if (number < previous) break;
    previous = number;
    std::string name, value;
    if (!d30) {
      name = "Fn." + std::to_string(number);
      value = std::to_string(setting);
    } else if (number >= 1 && number <= 15) {
      const CustomFunction& fn = kD30Functions[static_cast<size_t>(number)];
      name = fn.name;
      value = CodeTextOrUnknown(fn.settings, setting);
    } else {
      name = UnknownText(number);
      value = UnknownText(setting);
    }
    result.Add(kFunctionKey + number, std::move(name), std::move(value));
  }
}

}  // namespace kelvane
