// Stands in for the user's application in end-to-end tests: a full-screen slide (a title,
// a few lines of text and a bar chart on white) that takes the keyboard focus (Wine sees
// X key events only while one of its windows has it) and logs every click that reaches
// it and every change of its activation. The pixels the tests read stay white:
// the chart lies inside the swept rectangle clear of its edges, the text left of it.
#include <windows.h>

#include <cstdio>
#include <cstring>

static const char* eventLogPath;

static void logEvent(const char* format, long x, long y)
{
    if (FILE* log = eventLogPath ? fopen(eventLogPath, "a") : nullptr) {
        fprintf(log, format, x, y);
        fclose(log);
    }
}

static void drawText(HDC dc, int x, int y, int height, const char* text)
{
    HGDIOBJ old = SelectObject(dc, CreateFontA(-height, 0, 0, 0, height > 21 ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                                               0, 0, 0, ANTIALIASED_QUALITY, 0, "Arial"));
    TextOutA(dc, x, y, text, int(strlen(text)));
    DeleteObject(SelectObject(dc, old));
}

static void fillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    RECT box = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

static void paintSlide(HDC dc)
{
    const char* labels[] = {"North  1,200", "South  1,800", "East      900", "West  2,000"};
    const int heights[] = {120, 180, 90, 200};
    const COLORREF colours[] = {RGB(52, 101, 164), RGB(245, 121, 0), RGB(78, 154, 6), RGB(117, 80, 123)};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(50, 50, 50));
    drawText(dc, 340, 110, 44, "Quarterly results");
    drawText(dc, 40, 240, 22, "Units sold");
    drawText(dc, 800, 240, 22, "Highlights");
    drawText(dc, 800, 282, 20, "West leads with 2,000 units");
    drawText(dc, 800, 318, 20, "East has room to grow");
    for (int i = 0; i < 4; ++i) {
        fillBox(dc, 360 + 80 * i, 440 - heights[i], 410 + 80 * i, 440, colours[i]);
        fillBox(dc, 40, 284 + 36 * i, 58, 302 + 36 * i, colours[i]);
        drawText(dc, 70, 282 + 36 * i, 20, labels[i]);
    }
    fillBox(dc, 340, 440, 680, 442, RGB(90, 90, 90));
}

static LRESULT CALLBACK sinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        paintSlide(BeginPaint(window, &paint));
        EndPaint(window, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        POINT point = {short(LOWORD(lParam)), short(HIWORD(lParam))};
        ClientToScreen(window, &point);
        logEvent("click %ld %ld\n", point.x, point.y);
        return 0;
    }
    case WM_ACTIVATE: logEvent(LOWORD(wParam) == WA_INACTIVE ? "inactive\n" : "active\n", 0, 0); break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    eventLogPath = commandLine && commandLine[0] ? commandLine : nullptr;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = sinkProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "OrbiqaFocusSink";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "OrbiqaFocusSink", "Orbiqa focus sink", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                  nullptr, instance, nullptr);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
