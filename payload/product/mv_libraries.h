#pragma once
/* What the product's libraries export. */
#ifdef MV_BUILDING_LIBRARY
#define MV_EXPORT __declspec(dllexport)
#else
#define MV_EXPORT __declspec(dllimport)
#endif

MV_EXPORT const char* mvCoreVersion(void);              /* mvcore.dll */
MV_EXPORT int mvUiScale(int dotsPerInch, int pixels);   /* mvui.dll */
MV_EXPORT const char* mvDataSetting(const char* key);   /* mvdata.dll */
MV_EXPORT unsigned short mvNetDefaultPort(void);        /* mvnet.dll */
