#include "controls/plot/opc/OPCPictures.h"

#include "platform/gfx/ImageList.h"

namespace korvan::plot::opc {

namespace {

// A server box: a dark frame, a coloured face and two drive slots.
void DrawServer(TCanvas& canvas, int left, int top, TColor face) {
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(face);
    canvas.Rectangle(left, top, left + 9, top + 12);
    canvas.Pen().SetColor(clWhite);
    canvas.MoveTo(left + 2, top + 3);
    canvas.LineTo(left + 7, top + 3);
    canvas.MoveTo(left + 2, top + 5);
    canvas.LineTo(left + 7, top + 5);
    canvas.SetPixel(left + 6, top + 9, clLime);
}

} // namespace

TBitmap OPCManagerPicture() {
    TBitmap picture(24, 24);
    TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 24, 24));
    DrawServer(canvas, 1, 1, clNavy);
    DrawServer(canvas, 14, 1, clTeal);
    // The link between the two and the signal line below them.
    canvas.Pen().SetColor(clMaroon);
    canvas.MoveTo(5, 13);
    canvas.LineTo(5, 17);
    canvas.LineTo(19, 17);
    canvas.LineTo(19, 12);
    canvas.Pen().SetColor(clRed);
    const int wave[] = {21, 19, 21, 23, 21, 19, 21, 23, 21, 19, 21};
    canvas.MoveTo(1, wave[0]);
    for (int i = 1; i < 11; ++i)
        canvas.LineTo(1 + i * 2, wave[i]);
    return picture;
}

namespace {

TBitmap BlankPicture() {
    TBitmap picture(16, 16);
    picture.Canvas().Brush().SetColor(clWhite);
    picture.Canvas().FillRect(Rect(0, 0, 16, 16));
    return picture;
}

// A folder with a tab, in `face`.
TBitmap Folder(TColor face) {
    TBitmap picture = BlankPicture();
    TCanvas& canvas = picture.Canvas();
    canvas.Pen().SetColor(clOlive);
    canvas.Brush().SetColor(face);
    canvas.Rectangle(1, 4, 15, 14);
    canvas.Rectangle(1, 2, 7, 5);
    return picture;
}

} // namespace

void AddOPCExplorerPictures(TImageList& images) {
    images.AddMasked(Folder(clYellow), clWhite);
    images.AddMasked(Folder(clAqua), clWhite);
    TBitmap server = BlankPicture();
    TCanvas& canvas = server.Canvas();
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(clNavy);
    canvas.Rectangle(4, 1, 12, 15);
    canvas.Pen().SetColor(clSilver);
    canvas.MoveTo(6, 4);
    canvas.LineTo(10, 4);
    canvas.MoveTo(6, 6);
    canvas.LineTo(10, 6);
    canvas.SetPixel(9, 12, clLime);
    images.AddMasked(server, clWhite);
}

} // namespace korvan::plot::opc
