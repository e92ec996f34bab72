#pragma once

namespace lotavo::ui {

// Lets the toolkit keep rendered glyphs of large fonts too, before the application object
// exists. The rolling names, titles and winners of a 4K screen are larger than the toolkit
// caches by default (64 pixels), and text it does not cache is rasterised anew at every
// paint: ten rolling labels then cost ten times the CPU per tick.
void cacheLargeGlyphs();

}  // namespace lotavo::ui
