target_sources(tarvolix_core PRIVATE PixelRaster.h PixelRaster.cpp KeyGlyphs.h KeyGlyphs.cpp)
