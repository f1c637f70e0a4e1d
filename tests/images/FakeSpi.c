/* A stand-in decoder for the tests. FAKE_VERSION is its version text, FAKE_RGB the colour of the
   1x1 picture it makes of any bytes starting with "FAKE"; FAKE_FAILS makes GetPicture fail and
   FAKE_NO_INFO leaves out every entry point. fake_spi_calls counts the calls it receives. */
#include <stdlib.h>
#include <string.h>

#include "kiova/spi.h"

SPI_EXPORT int fake_spi_calls = 0;

#ifndef FAKE_NO_INFO

SPI_EXPORT int GetPluginInfo(int infono, char* buf, int buflen) {
    static const char* const texts[] = {FAKE_VERSION, "Fake decoder", "*.fake;*.Fk",
                                        "Fake pictures"};
    size_t length;
    if (infono < 0 || infono > 3 || buflen <= 0) return 0;
    length = strlen(texts[infono]);
    if (length >= (size_t)buflen) length = (size_t)buflen - 1;
    memcpy(buf, texts[infono], length);
    buf[length] = '\0';
    return (int)length;
}

SPI_EXPORT int IsSupported(const char* filename, const void* head) {
    const unsigned char* bytes = head;
    unsigned sum = 0;
    int i;
    (void)filename;
    ++fake_spi_calls;
    /* Reads every byte the interface promises, so a short head shows up under the sanitizers. */
    for (i = 0; i < SPI_HEAD_SIZE; ++i) sum += bytes[i];
    return sum != 0 && memcmp(bytes, "FAKE", 4) == 0;
}

SPI_EXPORT int GetPicture(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo,
                          void** pHBm, SPI_PROGRESS progress, intptr_t lData) {
    (void)buf;
    (void)len;
    ++fake_spi_calls;
#ifdef FAKE_FAILS
    (void)flag;
    (void)pHBInfo;
    (void)pHBm;
    (void)progress;
    (void)lData;
    return SPI_BROKEN_DATA;
#else
    BITMAPINFOHEADER* info;
    unsigned char* bits;
    if ((flag & SPI_INPUT_MASK) != SPI_INPUT_MEMORY) return SPI_NOT_IMPLEMENTED;
    if (progress && progress(1, 2, lData) != 0) return SPI_ABORTED;
    info = calloc(1, sizeof *info);
    bits = malloc(4);
    if (!info || !bits) {
        free(info);
        free(bits);
        return SPI_NO_MEMORY;
    }
    info->biSize = sizeof *info;
    info->biWidth = 1;
    info->biHeight = 1;
    info->biPlanes = 1;
    info->biBitCount = 24;
    bits[0] = FAKE_RGB & 0xFF;
    bits[1] = (FAKE_RGB >> 8) & 0xFF;
    bits[2] = (FAKE_RGB >> 16) & 0xFF;
    bits[3] = 0;
    *pHBInfo = info;
    *pHBm = bits;
    return SPI_OK;
#endif
}

#endif
