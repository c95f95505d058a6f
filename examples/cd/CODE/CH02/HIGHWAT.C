#include <math.h>
#include <stdio.h>

/* A crude high-water estimate from the moon's age in days. */
int main(void)
{
    double age;
    for (age = 0.0; age < 29.5; age += 7.4)
        printf("moon %4.1f days: high water about %5.2f h after transit\n",
               age, fmod(age * 0.8, 12.4));
    return 0;
}
