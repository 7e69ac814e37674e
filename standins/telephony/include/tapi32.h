/* The telephony functions of libtapi32.so ("TAPI32.DLL").
 *
 * Line devices are served by the ISDN adapter simulator, reached over a local
 * socket (see README.md). Every 32-bit value is a uint32_t; results are 0 for
 * success, a negative LINEERR_* code, or (lineDevSpecific only) a positive
 * request identifier whose completion arrives later as LINE_REPLY.
 *
 * The line callback runs on the thread that drains the platform's call queue
 * (the UI thread), one message at a time, never on a thread of the library.
 */
#ifndef TAPI32_H
#define TAPI32_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define TAPI32_API __attribute__((visibility("default")))
#else
#define TAPI32_API
#endif

typedef void (*LINECALLBACK)(uint32_t hDevice, uint32_t dwMessage, uint32_t dwCallbackInstance,
                             uint32_t dwParam1, uint32_t dwParam2, uint32_t dwParam3);

/* Messages passed to the line callback. */
#define LINE_CALLSTATE 2u
#define LINE_CLOSE 3u
#define LINE_LINEDEVSTATE 8u
#define LINE_REPLY 12u
#define LINE_CREATE 19u

/* dwParam1 of LINE_LINEDEVSTATE, and the bits of lineSetStatusMessages. */
#define LINEDEVSTATE_CONNECTED 0x00000004u
#define LINEDEVSTATE_DISCONNECTED 0x00000008u
#define LINEDEVSTATE_CLOSE 0x00000400u
#define LINEDEVSTATE_DEVSPECIFIC 0x00020000u

#define LINEMEDIAMODE_DATAMODEM 0x00000010u
#define LINEMEDIAMODE_DIGITALDATA 0x00000100u
#define STRINGFORMAT_ASCII 1u
#define LINECALLPRIVILEGE_NONE 1u
#define LINECALLPRIVILEGE_MONITOR 2u
#define LINECALLPRIVILEGE_OWNER 4u

#define LINEDEVSTATUSFLAGS_CONNECTED 0x00000001u
#define LINEDEVSTATUSFLAGS_INSERVICE 0x00000004u

/* Error results, as int32_t. */
#define LINEERR_BADDEVICEID ((int32_t)0x80000002u)
#define LINEERR_INCOMPATIBLEAPIVERSION ((int32_t)0x8000000Cu)
#define LINEERR_INCOMPATIBLEEXTVERSION ((int32_t)0x8000000Du)
#define LINEERR_INIFILECORRUPT ((int32_t)0x8000000Eu)
#define LINEERR_INVALAPPHANDLE ((int32_t)0x80000015u)
#define LINEERR_INVALCALLHANDLE ((int32_t)0x80000018u)
#define LINEERR_INVALADDRESSID ((int32_t)0x80000019u)
#define LINEERR_INVALCARD ((int32_t)0x8000001Eu)
#define LINEERR_INVALLINEHANDLE ((int32_t)0x8000002Bu)
#define LINEERR_INVALLOCATION ((int32_t)0x8000002Du)
#define LINEERR_INVALMEDIAMODE ((int32_t)0x8000002Fu)
#define LINEERR_INVALPOINTER ((int32_t)0x80000035u)
#define LINEERR_INVALPRIVSELECT ((int32_t)0x80000036u)
#define LINEERR_NODRIVER ((int32_t)0x80000043u)
#define LINEERR_NOMEM ((int32_t)0x80000044u)
#define LINEERR_OPERATIONFAILED ((int32_t)0x80000048u)
#define LINEERR_OPERATIONUNAVAIL ((int32_t)0x80000049u)
#define LINEERR_RESOURCEUNAVAIL ((int32_t)0x8000004Bu)
#define LINEERR_STRUCTURETOOSMALL ((int32_t)0x8000004Du)
#define LINEERR_REINIT ((int32_t)0x80000052u)
#define LINEERR_NOMULTIPLEINSTANCE ((int32_t)0x80000056u)

/* Records filled by lineGetDevCaps and lineGetLineDevStatus: the caller sets
 * dwTotalSize (byte 0); the library sets dwNeededSize (4) and dwUsedSize (8).
 * Variable parts follow the fixed part and are named by size/offset pairs. */
#define LINEDEVCAPS_FIXED_SIZE 236u
#define LINEDEVCAPS_SWITCHINFOSIZE 20u
#define LINEDEVCAPS_SWITCHINFOOFFSET 24u
#define LINEDEVCAPS_LINENAMESIZE 32u
#define LINEDEVCAPS_LINENAMEOFFSET 36u
#define LINEDEVCAPS_STRINGFORMAT 40u
#define LINEDEVCAPS_MEDIAMODES 60u
#define LINEDEVSTATUS_FIXED_SIZE 76u
#define LINEDEVSTATUS_NUMACTIVECALLS 20u
#define LINEDEVSTATUS_DEVSPECIFICSIZE 68u
#define LINEDEVSTATUS_DEVSPECIFICOFFSET 72u

TAPI32_API int32_t lineInitialize(uint32_t* lphLineApp, void* hInstance, LINECALLBACK lpfnCallback,
                                  const char* lpszAppName, uint32_t* lpdwNumDevs);
TAPI32_API int32_t lineNegotiateAPIVersion(uint32_t hLineApp, uint32_t dwDeviceID, uint32_t dwAPILowVersion,
                                           uint32_t dwAPIHighVersion, uint32_t* lpdwAPIVersion,
                                           void* lpExtensionID /* 16 bytes */);
TAPI32_API int32_t lineGetDevCaps(uint32_t hLineApp, uint32_t dwDeviceID, uint32_t dwAPIVersion,
                                  uint32_t dwExtVersion, void* lpLineDevCaps);
TAPI32_API int32_t lineOpen(uint32_t hLineApp, uint32_t dwDeviceID, uint32_t* lphLine, uint32_t dwAPIVersion,
                            uint32_t dwExtVersion, uint32_t dwCallbackInstance, uint32_t dwPrivileges,
                            uint32_t dwMediaModes, const void* lpCallParams);
TAPI32_API int32_t lineSetStatusMessages(uint32_t hLine, uint32_t dwLineStates, uint32_t dwAddressStates);
TAPI32_API int32_t lineGetLineDevStatus(uint32_t hLine, void* lpLineDevStatus);
TAPI32_API int32_t lineDevSpecific(uint32_t hLine, uint32_t dwAddressID, uint32_t hCall, void* lpParams,
                                   uint32_t dwSize);
TAPI32_API int32_t lineClose(uint32_t hLine);

#ifdef __cplusplus
}
#endif

#endif /* TAPI32_H */
