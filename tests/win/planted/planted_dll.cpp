// Planted beside a program under a system DLL's name; its export tells it apart from the real one.
extern "C" __declspec(dllexport) int orbiqaPlantedDll()
{
    return 1;
}
