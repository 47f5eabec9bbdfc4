#pragma once

// Who made the game and whom it greets. The banner, the web-address pictures and the contact
// window's labels show these; tools/make_assets.py draws the same words into the pictures, so a
// change here needs the pictures made again.

namespace ui::identity {

// The partner site, opened from the board window's banner.
inline constexpr char partnerName[] = "Ludoteca";
inline constexpr char partnerAddress[] = "http://www.ludoteca.example/";

// The maker's site, shown on the splash window and opened from the contact window.
inline constexpr char makerSite[] = "www.tornel.example";
inline constexpr char makerAddress[] = "http://www.tornel.example/";

inline constexpr char authorName[] = "Julián Tornel";
inline constexpr char authorEmail[] = "julian@tornel.example";

} // namespace ui::identity
