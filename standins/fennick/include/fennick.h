/* The Fennick modem I/O library: finds the Sorvan modem on a serial port and
 * programs the country in which it is used. */
#ifndef FENNICK_H
#define FENNICK_H

#ifdef __cplusplus
extern "C" {
#endif

/* Asks whether a modem answers on port 0..3 (COM1..COM4). Returns -1 when
 * none does, else the port value to hand to set_country_code. */
int detect_port(int port);

/* Programs a country into the modem on `port` and resets it. `codes` points to
 * four values: modem code, second code, 22, 0. Returns -1 on failure. */
int set_country_code(int port, int* codes, int flag);

#ifdef __cplusplus
}
#endif

#endif
