#include "jpeg.h"

#include "erreurs.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace armo {

namespace {

// libjpeg's default error exit ends the process; this one jumps back to the decoder,
// which raises the error once libjpeg's state is released.
struct GestionErreur {
    jpeg_error_mgr pub;
    std::jmp_buf retour;
};

void SortieErreur(j_common_ptr cinfo) {
    auto* g = reinterpret_cast<GestionErreur*>(cinfo->err);
    std::longjmp(g->retour, 1);
}

void Silence(j_common_ptr) {}

// Everything that may longjmp lives here, among plain C objects only. Returns 0 or the
// libjpeg message code of the failure.
int Decoder(const unsigned char* octets, unsigned long taille, QImage* sortie) {
    jpeg_decompress_struct cinfo;
    GestionErreur err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = SortieErreur;
    err.pub.output_message = Silence;
    if (setjmp(err.retour)) {
        const int code = err.pub.msg_code;
        jpeg_destroy_decompress(&cinfo);
        return code == 0 ? -1 : code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, octets, taille);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    QImage& image = *sortie;
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return -2;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW ligne = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

} // namespace

QImage DecoderJPEG(QByteArrayView octets) {
    QImage image;
    const int code = Decoder(reinterpret_cast<const unsigned char*>(octets.data()),
                             static_cast<unsigned long>(octets.size()), &image);
    if (code == -2) Lever(TypeErreur::EOutOfMemory, QString::fromUtf8(MESSAGE_MEMOIRE));
    if (code != 0) {
        image = QImage();
        Lever(TypeErreur::EJPEG, QStringLiteral("Erreur JPEG #%1").arg(code));
    }
    return image;
}

} // namespace armo
