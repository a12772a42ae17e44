// XMP packets for the tests: a property list wrapped as a writer wraps it.
#pragma once

#include <string>
#include <string_view>

namespace kelvane::testing {

inline constexpr std::string_view kNamespaces =
    " xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'"
    " xmlns:dc='http://purl.org/dc/elements/1.1/'"
    " xmlns:xmp='http://ns.adobe.com/xap/1.0/'"
    " xmlns:xmpNote='http://ns.adobe.com/xmp/note/'"
    " xmlns:xmpMM='http://ns.adobe.com/xap/1.0/mm/'"
    " xmlns:stEvt='http://ns.adobe.com/xap/1.0/sType/ResourceEvent#'"
    " xmlns:Iptc4xmpCore='http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/'"
    " xmlns:crs='http://ns.adobe.com/camera-raw-settings/1.0/'";

// `inside` within rdf:RDF of an x:xmpmeta, with the namespaces above.
inline std::string Packet(std::string_view inside) {
  return std::string("<?xpacket begin='\xEF\xBB\xBF' id='W5M0MpCehiHzreSzNTczkc9d'?>") +
         "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF" + std::string(kNamespaces) + ">" +
         std::string(inside) + "</rdf:RDF></x:xmpmeta><?xpacket end='w'?>";
}

// One rdf:Description holding `properties`.
inline std::string Described(std::string_view properties, std::string_view attributes = "") {
  return Packet("<rdf:Description rdf:about=''" + std::string(attributes) + ">" +
                std::string(properties) + "</rdf:Description>");
}

}  // namespace kelvane::testing
