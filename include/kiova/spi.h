/*
** spi.h - the interface of Kiova's picture decoders ("Susie plug-ins", API version "00IN").
**
** A decoder is an ELF shared library named "*.spi" that exports the five entry points below
** under these names, with the C calling convention. Kiova loads the "*.spi" files of the program
** folder's SPIs/ and of a character's own folder, and asks them in the order loaded to decode
** each picture whose extension is not ".jpg", ".jpeg" or ".bmp". The first decoder whose
** IsSupported accepts the bytes and whose GetPicture returns SPI_OK wins.
**
** Rules:
**   - GetPluginInfo(0) must give "00IN"; a library giving anything else is loaded but never asked.
**   - Recognise pictures by their bytes, not by their file name (Kiova passes no name).
**   - GetPicture hands back two blocks allocated with malloc: a BITMAPINFOHEADER (plus the
**     colour masks or colour table that follow it) and the pixel rows. Kiova frees both with
**     free, and never reads past the end of either block.
**   - Pixel rows are laid out as in a Windows device-independent bitmap: 1, 4, 8, 16, 24 or
**     32 bits per pixel, each row padded to a multiple of 4 bytes, bottom row first when
**     biHeight > 0, top row first when biHeight < 0. Compression BI_RGB, or BI_BITFIELDS for
**     16 and 32 bits. In BI_RGB, 16 bits are x-5-5-5, 24 bits are blue, green, red and 32 bits
**     are blue, green, red, unused; alpha is ignored.
**   - Kiova calls everything from its main thread, one call at a time.
*/
#ifndef KIOVA_SPI_H
#define KIOVA_SPI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Results of the entry points. */
enum {
    SPI_NOT_IMPLEMENTED = -1,
    SPI_OK = 0,
    SPI_ABORTED = 1, /* the progress callback asked to stop */
    SPI_UNKNOWN_FORMAT = 2,
    SPI_BROKEN_DATA = 3,
    SPI_NO_MEMORY = 4,
    SPI_MEMORY_ERROR = 5,
    SPI_FILE_READ_ERROR = 6,
    SPI_INTERNAL_ERROR = 8
};

/* The low three bits of `flag`: where `buf` points. Kiova always passes memory. */
enum {
    SPI_INPUT_FILE = 0,   /* buf is a file name, len the offset of the picture in it */
    SPI_INPUT_MEMORY = 1, /* buf is the picture's bytes, len their count */
    SPI_INPUT_MASK = 7
};

/* Bytes readable at IsSupported's `head`, even when the file is shorter (then zero-padded). */
#define SPI_HEAD_SIZE 2048

/* biCompression values Kiova reads. */
#define BI_RGB 0
#define BI_BITFIELDS 3

/* The Windows bitmap information header: 40 bytes, little-endian, no padding. */
typedef struct BITMAPINFOHEADER {
    uint32_t biSize; /* 40, or more for the larger Windows headers (V4: 108, V5: 124) */
    int32_t biWidth;
    int32_t biHeight; /* > 0: bottom-up rows; < 0: top-down rows */
    uint16_t biPlanes;
    uint16_t biBitCount; /* 1, 4, 8, 16, 24 or 32 */
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed; /* colour-table entries; 0 = all 2^biBitCount for 8 bits or fewer */
    uint32_t biClrImportant;
} BITMAPINFOHEADER;

/* One colour-table entry, following the header (after the three masks for BI_BITFIELDS). */
typedef struct RGBQUAD {
    uint8_t rgbBlue;
    uint8_t rgbGreen;
    uint8_t rgbRed;
    uint8_t rgbReserved;
} RGBQUAD;

/* What GetPictureInfo reports; packed to single bytes. */
#pragma pack(push, 1)
typedef struct PictureInfo {
    int32_t left, top;     /* where the picture is placed */
    int32_t width, height; /* in pixels */
    uint16_t x_density;    /* pixel density, 0 when unknown */
    uint16_t y_density;
    int16_t colorDepth; /* bits per pixel */
    void* hInfo;        /* text comment allocated with malloc, or NULL */
} PictureInfo;
#pragma pack(pop)

/*
** Called by the decoder now and then while it decodes: num of denom done. `lData` is the value
** the host passed to GetPicture. A non-zero result asks the decoder to stop with SPI_ABORTED.
*/
typedef int (*SPI_PROGRESS)(int num, int denom, intptr_t lData);

#if defined(__GNUC__)
#define SPI_EXPORT __attribute__((visibility("default")))
#else
#define SPI_EXPORT
#endif

/*
** Copies information text `infono` into buf (at most buflen bytes, zero-terminated) and returns
** its length; returns 0 for a number it does not have. 0: "00IN"; 1: a description;
** 2n+2: the extensions of format n ("*.png;*.gif"); 2n+3: the name of format n.
*/
SPI_EXPORT int GetPluginInfo(int infono, char* buf, int buflen);

/*
** Non-zero when the decoder can decode a picture starting with these bytes. `filename` may be
** NULL; `head` points to the start of the file (SPI_HEAD_SIZE bytes readable).
*/
SPI_EXPORT int IsSupported(const char* filename, const void* head);

/* Fills *info for the picture at buf (see the input flags). Kiova never calls it. */
SPI_EXPORT int GetPictureInfo(const char* buf, intptr_t len, unsigned int flag, PictureInfo* info);

/*
** Decodes the picture at buf (see the input flags) into *pHBInfo (BITMAPINFOHEADER, masks,
** colour table) and *pHBm (pixel rows), both allocated with malloc. `progress` may be NULL.
** Returns SPI_OK or one of the failures above; on failure nothing is handed back.
*/
SPI_EXPORT int GetPicture(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo,
                          void** pHBm, SPI_PROGRESS progress, intptr_t lData);

/* As GetPicture, for a reduced preview; SPI_NOT_IMPLEMENTED when there is none. */
SPI_EXPORT int GetPreview(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo,
                          void** pHBm, SPI_PROGRESS progress, intptr_t lData);

#ifdef __cplusplus
}
#endif

#endif
