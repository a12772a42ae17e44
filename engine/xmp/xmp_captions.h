// Captions of the properties of the common XMP schemas, keyed by the
// schema's namespace URI and the property's local name (files choose their
// own prefixes; the URI is what names the schema). A property not listed
// is shown by the prefixed name its packet gives it. `key` marks the rows
// the abbreviated view keeps.
#pragma once

#include <string_view>

namespace kelvane::xmp {

namespace ns {
inline constexpr std::string_view kRdf = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
inline constexpr std::string_view kXml = "http://www.w3.org/XML/1998/namespace";
inline constexpr std::string_view kMeta = "adobe:ns:meta/";
inline constexpr std::string_view kDc = "http://purl.org/dc/elements/1.1/";
inline constexpr std::string_view kXmp = "http://ns.adobe.com/xap/1.0/";
inline constexpr std::string_view kXmpRights = "http://ns.adobe.com/xap/1.0/rights/";
inline constexpr std::string_view kXmpMM = "http://ns.adobe.com/xap/1.0/mm/";
inline constexpr std::string_view kXmpNote = "http://ns.adobe.com/xmp/note/";
inline constexpr std::string_view kPhotoshop = "http://ns.adobe.com/photoshop/1.0/";
inline constexpr std::string_view kIptcCore = "http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/";
inline constexpr std::string_view kIptcExt = "http://iptc.org/std/Iptc4xmpExt/2008-02-29/";
inline constexpr std::string_view kExif = "http://ns.adobe.com/exif/1.0/";
inline constexpr std::string_view kExifEX = "http://cipa.jp/exif/1.0/";
inline constexpr std::string_view kTiff = "http://ns.adobe.com/tiff/1.0/";
inline constexpr std::string_view kAux = "http://ns.adobe.com/exif/1.0/aux/";
inline constexpr std::string_view kLr = "http://ns.adobe.com/lightroom/1.0/";
}  // namespace ns

struct PropertyCaption {
  std::string_view uri;
  std::string_view local;
  std::string_view caption;
  bool key = false;
};

inline constexpr PropertyCaption kPropertyCaptions[] = {
    // The packet's wrapper
    {ns::kMeta, "xmptk", "XMPツールキット"},
    {ns::kMeta, "xaptk", "XMPツールキット"},
    {ns::kRdf, "about", "対象リソース"},
    // Dublin Core
    {ns::kDc, "title", "タイトル", true},
    {ns::kDc, "description", "説明", true},
    {ns::kDc, "subject", "キーワード", true},
    {ns::kDc, "creator", "作成者", true},
    {ns::kDc, "rights", "著作権", true},
    {ns::kDc, "contributor", "寄稿者"},
    {ns::kDc, "coverage", "対象範囲"},
    {ns::kDc, "date", "日付"},
    {ns::kDc, "format", "ファイル形式"},
    {ns::kDc, "identifier", "識別子"},
    {ns::kDc, "language", "言語"},
    {ns::kDc, "publisher", "発行者"},
    {ns::kDc, "relation", "関連"},
    {ns::kDc, "source", "出典"},
    {ns::kDc, "type", "種類"},
    // XMP basic
    {ns::kXmp, "Rating", "レーティング", true},
    {ns::kXmp, "Label", "ラベル"},
    {ns::kXmp, "CreateDate", "作成日時"},
    {ns::kXmp, "ModifyDate", "変更日時"},
    {ns::kXmp, "MetadataDate", "メタデータ変更日時"},
    {ns::kXmp, "CreatorTool", "作成ソフトウェア"},
    {ns::kXmp, "Identifier", "識別子"},
    {ns::kXmp, "Nickname", "ニックネーム"},
    {ns::kXmp, "BaseURL", "ベースURL"},
    {ns::kXmp, "Advisory", "注意事項"},
    {ns::kXmp, "Thumbnails", "サムネイル"},
    // XMP rights management
    {ns::kXmpRights, "Marked", "著作権保護"},
    {ns::kXmpRights, "WebStatement", "著作権情報URL"},
    {ns::kXmpRights, "UsageTerms", "利用条件"},
    {ns::kXmpRights, "Owner", "所有者"},
    {ns::kXmpRights, "Certificate", "証明書"},
    // XMP media management: the identifiers
    {ns::kXmpMM, "DocumentID", "文書ID"},
    {ns::kXmpMM, "InstanceID", "インスタンスID"},
    {ns::kXmpMM, "OriginalDocumentID", "元の文書ID"},
    {ns::kXmpMM, "PreservedFileName", "元のファイル名"},
    {ns::kXmpNote, "HasExtendedXMP", "拡張XMP"},
    // Photoshop
    {ns::kPhotoshop, "Headline", "見出し"},
    {ns::kPhotoshop, "CaptionWriter", "キャプション作成者"},
    {ns::kPhotoshop, "Category", "カテゴリー"},
    {ns::kPhotoshop, "SupplementalCategories", "補足カテゴリー"},
    {ns::kPhotoshop, "City", "都市名"},
    {ns::kPhotoshop, "State", "都道府県名"},
    {ns::kPhotoshop, "Country", "国名"},
    {ns::kPhotoshop, "Credit", "クレジット"},
    {ns::kPhotoshop, "Source", "ソース"},
    {ns::kPhotoshop, "Instructions", "特別指示"},
    {ns::kPhotoshop, "TransmissionReference", "送信参照"},
    {ns::kPhotoshop, "Urgency", "緊急度"},
    {ns::kPhotoshop, "AuthorsPosition", "撮影者の肩書"},
    {ns::kPhotoshop, "DateCreated", "作成日"},
    {ns::kPhotoshop, "ColorMode", "カラーモード"},
    {ns::kPhotoshop, "ICCProfile", "ICCプロファイル"},
    {ns::kPhotoshop, "History", "履歴"},
    {ns::kPhotoshop, "LegacyIPTCDigest", "IPTCダイジェスト"},
    // IPTC Core
    {ns::kIptcCore, "CreatorContactInfo", "作成者の連絡先"},
    {ns::kIptcCore, "CiAdrExtadr", "住所"},
    {ns::kIptcCore, "CiAdrCity", "市区町村"},
    {ns::kIptcCore, "CiAdrRegion", "都道府県"},
    {ns::kIptcCore, "CiAdrPcode", "郵便番号"},
    {ns::kIptcCore, "CiAdrCtry", "国"},
    {ns::kIptcCore, "CiTelWork", "電話番号"},
    {ns::kIptcCore, "CiEmailWork", "メールアドレス"},
    {ns::kIptcCore, "CiUrlWork", "URL"},
    {ns::kIptcCore, "IntellectualGenre", "ジャンル"},
    {ns::kIptcCore, "Scene", "シーンコード"},
    {ns::kIptcCore, "SubjectCode", "サブジェクトコード"},
    {ns::kIptcCore, "Location", "撮影場所"},
    {ns::kIptcCore, "CountryCode", "国コード"},
    {ns::kIptcCore, "AltTextAccessibility", "代替テキスト"},
    {ns::kIptcCore, "ExtDescrAccessibility", "詳細説明"},
    // IPTC Extension
    {ns::kIptcExt, "PersonInImage", "写っている人物"},
    {ns::kIptcExt, "Event", "イベント"},
    {ns::kIptcExt, "LocationCreated", "撮影地"},
    {ns::kIptcExt, "LocationShown", "写っている場所"},
    {ns::kIptcExt, "City", "都市名"},
    {ns::kIptcExt, "CountryName", "国名"},
    {ns::kIptcExt, "CountryCode", "国コード"},
    {ns::kIptcExt, "ProvinceState", "都道府県名"},
    {ns::kIptcExt, "Sublocation", "地区"},
    {ns::kIptcExt, "WorldRegion", "地域"},
    {ns::kIptcExt, "OrganisationInImageName", "写っている組織"},
    {ns::kIptcExt, "OrganisationInImageCode", "写っている組織のコード"},
    {ns::kIptcExt, "DigitalSourceType", "デジタルソースの種類"},
    {ns::kIptcExt, "MaxAvailWidth", "最大の幅"},
    {ns::kIptcExt, "MaxAvailHeight", "最大の高さ"},
    {ns::kIptcExt, "AdditionalModelInformation", "モデルの追加情報"},
    {ns::kIptcExt, "ModelAge", "モデルの年齢"},
    {ns::kIptcExt, "ArtworkOrObject", "写っている作品"},
    {ns::kIptcExt, "PersonInImageWDetails", "写っている人物の詳細"},
    {ns::kIptcExt, "ProductInImage", "写っている製品"},
    {ns::kIptcExt, "RegistryId", "登録ID"},
    // Exif
    {ns::kExif, "ExifVersion", "Exifバージョン"},
    {ns::kExif, "FlashpixVersion", "FlashPixバージョン"},
    {ns::kExif, "ColorSpace", "色空間情報"},
    {ns::kExif, "ComponentsConfiguration", "各コンポーネントの意味"},
    {ns::kExif, "CompressedBitsPerPixel", "画像圧縮率"},
    {ns::kExif, "PixelXDimension", "実効画像幅"},
    {ns::kExif, "PixelYDimension", "実効画像高さ"},
    {ns::kExif, "UserComment", "ユーザーコメント"},
    {ns::kExif, "DateTimeOriginal", "オリジナル撮影日時"},
    {ns::kExif, "DateTimeDigitized", "デジタル化日時"},
    {ns::kExif, "ExposureTime", "露出時間"},
    {ns::kExif, "FNumber", "レンズF値"},
    {ns::kExif, "ExposureProgram", "露出制御モード"},
    {ns::kExif, "SpectralSensitivity", "スペクトル感度"},
    {ns::kExif, "ISOSpeedRatings", "ISO感度"},
    {ns::kExif, "ShutterSpeedValue", "シャッタースピード"},
    {ns::kExif, "ApertureValue", "レンズ絞り値"},
    {ns::kExif, "BrightnessValue", "対象物の明るさ"},
    {ns::kExif, "ExposureBiasValue", "露光補正量"},
    {ns::kExif, "MaxApertureValue", "開放F値"},
    {ns::kExif, "SubjectDistance", "被写体距離"},
    {ns::kExif, "MeteringMode", "自動露出測光モード"},
    {ns::kExif, "LightSource", "光源"},
    {ns::kExif, "Flash", "フラッシュ"},
    {ns::kExif, "FocalLength", "レンズの焦点距離"},
    {ns::kExif, "FocalPlaneXResolution", "焦点面の幅の解像度"},
    {ns::kExif, "FocalPlaneYResolution", "焦点面の高さの解像度"},
    {ns::kExif, "FocalPlaneResolutionUnit", "焦点面解像度単位"},
    {ns::kExif, "SensingMethod", "センサー方式"},
    {ns::kExif, "FileSource", "ファイルソース"},
    {ns::kExif, "SceneType", "シーンタイプ"},
    {ns::kExif, "CustomRendered", "個別画像処理"},
    {ns::kExif, "ExposureMode", "露出モード"},
    {ns::kExif, "WhiteBalance", "ホワイトバランス"},
    {ns::kExif, "DigitalZoomRatio", "デジタルズーム倍率"},
    {ns::kExif, "FocalLengthIn35mmFilm", "35mm換算焦点距離"},
    {ns::kExif, "SceneCaptureType", "撮影シーンタイプ"},
    {ns::kExif, "GainControl", "ゲイン制御"},
    {ns::kExif, "Contrast", "コントラスト"},
    {ns::kExif, "Saturation", "彩度"},
    {ns::kExif, "Sharpness", "シャープネス"},
    {ns::kExif, "SubjectDistanceRange", "被写体距離レンジ"},
    {ns::kExif, "ImageUniqueID", "画像ユニークID"},
    {ns::kExif, "GPSVersionID", "GPSタグのバージョン"},
    {ns::kExif, "GPSLatitude", "緯度"},
    {ns::kExif, "GPSLongitude", "経度"},
    {ns::kExif, "GPSAltitudeRef", "高度の単位"},
    {ns::kExif, "GPSAltitude", "高度"},
    {ns::kExif, "GPSTimeStamp", "GPS時刻"},
    {ns::kExif, "GPSSatellites", "測位に使った衛星信号"},
    {ns::kExif, "GPSStatus", "GPS受信機の状態"},
    {ns::kExif, "GPSMeasureMode", "GPSの測位方法"},
    {ns::kExif, "GPSDOP", "測位の信頼性"},
    {ns::kExif, "GPSSpeedRef", "速度の単位"},
    {ns::kExif, "GPSSpeed", "速度"},
    {ns::kExif, "GPSTrackRef", "進行方向の基準"},
    {ns::kExif, "GPSTrack", "進行方向"},
    {ns::kExif, "GPSImgDirectionRef", "撮影方向の基準"},
    {ns::kExif, "GPSImgDirection", "撮影方向"},
    {ns::kExif, "GPSMapDatum", "測地系"},
    {ns::kExif, "GPSDestLatitude", "目的地の緯度"},
    {ns::kExif, "GPSDestLongitude", "目的地の経度"},
    {ns::kExif, "GPSDestBearing", "目的地の方角"},
    {ns::kExif, "GPSDestDistance", "目的地への距離"},
    {ns::kExif, "GPSProcessingMethod", "測位方式"},
    {ns::kExif, "GPSAreaInformation", "測位地点の名称"},
    {ns::kExif, "GPSDifferential", "GPS補正測位"},
    {ns::kExif, "NativeDigest", "Exifダイジェスト"},
    // Exif 2.3 and later, in CIPA's namespace
    {ns::kExifEX, "LensMake", "レンズメーカー名"},
    {ns::kExifEX, "LensModel", "レンズの機種"},
    {ns::kExifEX, "LensSerialNumber", "レンズのシリアル番号"},
    {ns::kExifEX, "LensSpecification", "レンズの仕様"},
    {ns::kExifEX, "BodySerialNumber", "カメラのシリアル番号"},
    {ns::kExifEX, "CameraOwnerName", "カメラの所有者名"},
    {ns::kExifEX, "Gamma", "ガンマ値"},
    {ns::kExifEX, "PhotographicSensitivity", "撮影感度"},
    {ns::kExifEX, "SensitivityType", "感度の種類"},
    {ns::kExifEX, "RecommendedExposureIndex", "推奨露光指数"},
    {ns::kExifEX, "InteroperabilityIndex", "互換性識別子"},
    // TIFF
    {ns::kTiff, "ImageWidth", "画像の幅"},
    {ns::kTiff, "ImageLength", "画像の高さ"},
    {ns::kTiff, "BitsPerSample", "画素のビットの深さ"},
    {ns::kTiff, "Compression", "圧縮の種類"},
    {ns::kTiff, "PhotometricInterpretation", "画素構成"},
    {ns::kTiff, "Orientation", "画像方向"},
    {ns::kTiff, "SamplesPerPixel", "コンポーネント数"},
    {ns::kTiff, "PlanarConfiguration", "画像データの並び"},
    {ns::kTiff, "YCbCrSubSampling", "YCbCrSubSampling"},
    {ns::kTiff, "YCbCrPositioning", "YCbCrPositioning"},
    {ns::kTiff, "XResolution", "幅の解像度"},
    {ns::kTiff, "YResolution", "高さの解像度"},
    {ns::kTiff, "ResolutionUnit", "解像度単位"},
    {ns::kTiff, "DateTime", "ファイル変更日時"},
    {ns::kTiff, "ImageDescription", "画像タイトル"},
    {ns::kTiff, "Make", "メーカー名"},
    {ns::kTiff, "Model", "機種"},
    {ns::kTiff, "Software", "ソフトウェア"},
    {ns::kTiff, "Artist", "アーティスト"},
    {ns::kTiff, "Copyright", "著作権表示"},
    {ns::kTiff, "NativeDigest", "TIFFダイジェスト"},
    // Adobe's Exif auxiliary schema
    {ns::kAux, "Lens", "レンズ"},
    {ns::kAux, "LensInfo", "レンズ情報"},
    {ns::kAux, "LensID", "レンズID"},
    {ns::kAux, "LensSerialNumber", "レンズのシリアル番号"},
    {ns::kAux, "SerialNumber", "シリアル番号"},
    {ns::kAux, "ImageNumber", "画像番号"},
    {ns::kAux, "FlashCompensation", "調光補正"},
    {ns::kAux, "Firmware", "ファームウェア"},
    {ns::kAux, "OwnerName", "所有者名"},
    {ns::kAux, "ApproximateFocusDistance", "おおよその合焦距離"},
    // Lightroom
    {ns::kLr, "hierarchicalSubject", "階層キーワード"},
    {ns::kLr, "privateRTKInfo", "非公開情報"},
    {ns::kLr, "weightedFlatSubject", "重み付きキーワード"},
};

// The table's entry for the property; nullptr when it is not listed.
const PropertyCaption* FindCaption(std::string_view uri, std::string_view local);

}  // namespace kelvane::xmp
