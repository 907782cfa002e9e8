# What the screen shows, counted with ImageMagick. Sourced by the package tests, after
# wine-session.sh (for fail).
#   shot FILE                                      a screenshot of the whole screen
#   crop_geometry W H X Y                          an ImageMagick crop geometry
#   count_pixels FILE CROP COLOUR                  how many pixels of the crop show about that colour
#   changed_pixels FILE1 FILE2 CROP                how many pixels of the crop differ between two files
#   wait_for_pixels FILE MIN SECONDS COUNT...      takes screenshots into FILE until the count that
#                                                  the command COUNT... prints reaches MIN; prints it

# The diagram's and the About picture's red lines, and the black of their axes and text; a pixel
# within a quarter of the colour space of these counts, so the lines' smoothed edges count too.
RED='#e00000'
BLACK='#000000'

shot() {
    import -window root "$1"
}

crop_geometry() {
    echo "${1}x${2}+${3}+${4}"
}

count_pixels() {
    convert "$1" -crop "$2" +repage -fuzz 25% -transparent "$3" -alpha extract \
        -format '%[fx:round((1 - mean) * w * h)]' info:
}

changed_pixels() {
    local count status=0
    count=$(compare -metric AE -extract "$3" "$1" "$2" null: 2>&1) || status=$?
    # Status 1 says that the images differ; above that, that compare failed.
    [ "$status" -le 1 ] || fail "compare failed on $1 and $2: $count"
    echo "$count"
}

wait_for_pixels() {
    local file=$1 least=$2 seconds=$3 count start=$SECONDS
    shift 3
    while :; do
        shot "$file"
        count=$("$@")
        [ "$count" -lt "$least" ] || break
        [ $((SECONDS - start)) -lt "$seconds" ] || { echo "$count"; return 1; }
        sleep 0.5
    done
    echo "$count"
}
