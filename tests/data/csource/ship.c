/* The player's ship and the enemy, in four grey levels: the light plane and the dark
 * plane of each, a row per byte. */

unsigned char ship_light[8] = {24, 60, 126, 255, 255, 126, 36, 66};
unsigned char ship_dark[8] = {0, 24, 60, 102, 102, 60, 0, 0};

const unsigned char enemy_light[8] = {
    0b00111100,
    0b01000010,
    0b10100101,
    0b10000001,
    0b10100101,
    0b10011001,
    0b01000010,
    0b00111100,
};
const unsigned char enemy_dark[8] = {
    0b00000000,
    0b00111100,
    0b01011010,
    0b01111110,
    0b01011010,
    0b01100110,
    0b00111100,
    0b00000000,
};

int ship_x = 72, ship_y = 40;

/* Puts the ship on a screen of grey levels (0 white to 3 black) through `plot`. */
void draw_ship(void (*plot)(int x, int y, int level))
{
    int x, y;
    for (y = 0; y < 8; ++y)
        for (x = 0; x < 8; ++x)
            plot(ship_x + x, ship_y + y,
                 ((ship_light[y] >> (7 - x)) & 1) + 2 * ((ship_dark[y] >> (7 - x)) & 1));
}
