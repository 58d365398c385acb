// The engine parsers behind ParseResultPage, one per page layout. Each follows the
// loop of EntryScan.h; the comment at each definition shows the row it rewrites.
#pragma once

#include "engines/EntryScan.h"

namespace kestrova::parsers {

// Engines that keep their own numbers (ParsersKeptNumbers.cpp).
void AltaVista(EntryScan&, const HeadRequest&);
void AltaVistaDe(EntryScan&, const HeadRequest&);
void NorthernLight(EntryScan&, const HeadRequest&);
void AllTheWeb(EntryScan&, const HeadRequest&);
void BellNet(EntryScan&, const HeadRequest&);
void ExciteDe(EntryScan&, const HeadRequest&);
void Ecila(EntryScan&, const HeadRequest&);
void Msn(EntryScan&, const HeadRequest&);
void AladinDe(EntryScan&, const HeadRequest&);
void Arianna(EntryScan&, const HeadRequest&);
void AustroNaut(EntryScan&, const HeadRequest&);

// Engines numbered by the parser (ParsersComputedNumbers.cpp).
void GooglePlain(EntryScan&);
void Excite(EntryScan&, const HeadRequest&);
void ExciteNational(EntryScan&, const HeadRequest&);
void WebCrawler(EntryScan&, const HeadRequest&);
void Aol(EntryScan&, const HeadRequest&);
void Yahoo(EntryScan&, const HeadRequest&);
void Snap(EntryScan&, const HeadRequest&);
void Clarin(EntryScan&, const HeadRequest&);
void AustriaWww(EntryScan&, const HeadRequest&);
void AlpaVista(EntryScan&, const HeadRequest&);
void Anzwers(EntryScan&, const HeadRequest&);

// Engines whose links go through a redirect (ParsersLinkRewrite.cpp).
void HotBot(EntryScan&, const HeadRequest&);
void Google(EntryScan&, const HeadRequest&);
void InfoSeek(EntryScan&, const HeadRequest&);
void EuroSeek(EntryScan&, const HeadRequest&);
void DirectHit(EntryScan&, const HeadRequest&);
void Lycos(EntryScan&, const HeadRequest&);
void CestTrouve(EntryScan&, const HeadRequest&);
void AllesKlarAt(EntryScan&, const HeadRequest&);
void AllesKlarDe(EntryScan&, const HeadRequest&);

}  // namespace kestrova::parsers
