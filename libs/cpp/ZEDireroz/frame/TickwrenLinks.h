#pragma once
// The product's identity on the maker's servers and in the store, in one place
// for the start-up and for the links the application object opens. The values
// are neutral placeholders until the product has its real ones.

namespace TickwrenLinks {

// The maker's web server; its pages are plain web links.
inline constexpr char kMakerHost[] = "tickwren.example.org";
inline constexpr char kMakerSite[] = "http://tickwren.example.org";
// The product's app-store identifier: "id" followed by nine digits.
inline constexpr char kStoreId[] = "id000000000";
inline constexpr char kOrganizationDomain[] = "example.org";
inline constexpr char kContactEmail[] = "contact@tickwren.example.org";

// The app store's web site (secure links), and the maker's page there that
// lists all of its applications.
inline constexpr char kStoreSite[] = "https://store.example.com";
inline constexpr char kArtistSlug[] = "olvenar";
inline constexpr char kArtistId[] = "id000000001";

inline constexpr char kProductPage[] = "http://tickwren.example.org/apps/tickwren/";
inline constexpr char kFaceBookShareLink[] = "http://tickwren.example.org/apps/tickwren/tickwrenfacebook.php";
inline constexpr char kTwitterShareLink[] = "http://tickwren.example.org/apps/tickwren/tickwrentwitter.php";
inline constexpr char kVKontakteShareLink[] = "http://tickwren.example.org/apps/tickwren/tickwrenvkontakte.php";

} // namespace TickwrenLinks
